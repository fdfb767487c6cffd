#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QButtonGroup;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QRadioButton;
class QSvgRenderer;
class QVBoxLayout;

// A text field of the window. It tells apart what the program does to it from
// what the user does: a mouse click, the first keystroke after the keyboard
// brought the focus in, and the focus leaving for another control.
class FieldEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit FieldEdit(QWidget* parent = nullptr);

  // Window colour for an entered value, aqua for a computed one.
  void SetComputed(bool computed);
  bool Computed() const { return computed_; }

 signals:
  void clicked();
  void left();
  void typed(const QString& text);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool computed_ = false;
  bool clickPending_ = false;  // keyboard focus: the first keystroke counts as the click
};

// A picture of the window drawn from SVG artwork, sharp at any scale, keeping
// its proportions. A click on it is reported.
class PictureWidget : public QWidget {
  Q_OBJECT
 public:
  PictureWidget(const QString& resource, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  void SetPreferredSize(const QSize& size) { preferred_ = size; updateGeometry(); }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QSvgRenderer* renderer_;
  QSize preferred_;
};

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

  // Puts `widget` on row `row`: into the next free blank gap of the row's text
  // (a run of three or more blanks), else after the text.
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
  void PlaceRiders();

  int columns_;
  QStringList items_;
  QButtonGroup* group_;
  QGridLayout* grid_;
  QVector<QRadioButton*> buttons_;
  QVector<QWidget*> trailing_;  // per row, the holder of the widgets after the text
  QVector<Rider> riders_;
  bool placing_ = false;
};

// A chooser panel floating over the window: a title bar to drag it by and a
// body. It stays inside its parent.
class FloatingPanel : public QFrame {
  Q_OBJECT
 public:
  explicit FloatingPanel(QWidget* parent = nullptr);

  void SetTitle(const QString& title);
  QVBoxLayout* Body() const { return body_; }
  bool Placed() const { return placed_; }
  void SetPlaced() { placed_ = true; }
  // Keeps the panel within its parent after the parent or the panel changed size.
  void KeepInside();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* title_;
  QVBoxLayout* body_;
  QPoint dragOffset_;
  bool dragging_ = false;
  bool placed_ = false;
};

// The layer table: a grid of rows whose interface temperatures sit on the lines
// between the rows, not on the rows themselves.
class LayerTable : public QWidget {
  Q_OBJECT
 public:
  explicit LayerTable(QWidget* parent = nullptr);

  QGridLayout* Grid() const { return grid_; }
  // `label` sits in column `column` on the lower edge of the row that `rowAnchor` belongs to.
  void AddBoundaryLabel(QLabel* label, QWidget* rowAnchor, int column);
  void PlaceBoundaryLabels();

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Boundary {
    QLabel* label;
    QWidget* anchor;
    int column;
  };
  // Places the labels once the layout has settled.
  void PlaceSoon();

  QGridLayout* grid_;
  QVector<Boundary> boundaries_;
  bool placePending_ = false;
};

// "&" is a mnemonic mark for buttons; the window's captions show it as written.
QString ButtonCaption(const QString& text);
