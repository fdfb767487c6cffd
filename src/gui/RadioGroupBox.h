// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QPointer>
#include <QStringList>
#include <QVector>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

// A radio group: a titled box of exclusive rows that the program can rebuild.
// Other widgets can ride on a row: in a blank gap of its text, or after it.
// A row's text is split at its gaps (runs of three or more blanks): the radio
// button shows the first part, and the parts after it follow as captions with
// the riding widgets between them, each at its own width.
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

  // Puts `widget` on row `row`: into the next free gap of the row's text, else
  // after the text. The widget is no child of the row's button, so that a row
  // the user cannot choose does not disable what rides on it.
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
  };
  void Rebuild();
  void ApplyRowStates();
  // Puts the captions and riders of a row in their order after its button.
  void LayOutRow(int row);

  int columns_;
  QStringList items_;
  QButtonGroup* group_;
  QGridLayout* grid_;
  QVector<QRadioButton*> buttons_;
  QVector<QWidget*> trailing_;         // per row, the holder of what follows the button
  QVector<QList<QWidget*>> captions_;  // per row, the parts of its text after the first gap
  QVector<Rider> riders_;
  QList<bool> rowEnabled_;
  QStringList rowHints_;
};
