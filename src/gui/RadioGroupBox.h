#pragma once

#include <QGroupBox>
#include <QPointer>
#include <QStringList>
#include <QVector>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

// A radio group: a titled box of exclusive rows that the program can rebuild.
// Other widgets can ride on a row: in the blank gap of its text, or after it.
class RadioGroupBox : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroupBox(int columns, QWidget* parent = nullptr);

  void SetItems(const QStringList& items);
  const QStringList& Items() const { return items_; }
  void SetIndex(int row);
  int Index() const;
  QRadioButton* Button(int row) const;
  int Count() const { return static_cast<int>(buttons_.size()); }
  // Which rows the user may choose, and the tooltip of each row (why a row
  // cannot be chosen). A row not listed is enabled and has no tooltip.
  void SetRowStates(const QList<bool>& enabled, const QStringList& hints);

  // Puts `widget` on row `row`: into the next free blank gap of the row's text
  // (a run of three or more blanks), else after the text. A widget in a gap
  // lies over the row's button without being its child, so that a row the
  // user cannot choose does not disable the field riding on it.
  void AttachToRow(QWidget* widget, int row);
  // Whether `widget` rides on this group.
  bool Holds(const QWidget* widget) const;

 signals:
  void rowClicked(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Rider {
    QPointer<QWidget> widget;
    int row = 0;
    bool inGap = false;
  };
  void Rebuild();
  void ApplyRowStates();
  void PlaceRiders();

  int columns_;
  QStringList items_;
  QButtonGroup* group_;
  QGridLayout* grid_;
  QVector<QRadioButton*> buttons_;
  QVector<QWidget*> trailing_;  // per row, the holder of the widgets after the text
  QVector<Rider> riders_;
  QList<bool> rowEnabled_;
  QStringList rowHints_;
  bool placing_ = false;
};
