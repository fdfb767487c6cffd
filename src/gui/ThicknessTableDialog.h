// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ThicknessTable.h"
#include "form/MessageSink.h"

#include <QDialog>
#include <functional>
#include <map>
#include <utility>

class Brenak;
class QChart;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QResizeEvent;
class QShowEvent;
class QSplitter;
class QStackedWidget;
class QTableWidget;

// "Tabla de espesores": the case on the main window worked out for a list of
// insulation thicknesses. The list is typed in a line ("10; 13; 19"), the layer
// that varies is the case's insulation layer or the one chosen beside the list
// (the choice holds until the dialog is closed), the table shows every
// thickness with the next commercial one highlighted, and a chart
// beside it draws the heat flow and the total cost against the thickness. The
// table goes to the clipboard tab-separated, or to a CSV file.
//
// The dialog does not block the main window: the user may change the case and
// press "Calcular" again.
class ThicknessTableDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ThicknessTableDialog(Brenak& app, QWidget* parent = nullptr);

  // Works out the table for the list typed, and remembers the list. A list that
  // cannot be read is said in a box and the table stays as it was: false then.
  bool Calculate();
  // Puts the table on the clipboard as tab-separated text.
  void CopyToClipboard() const;
  // Asks for a file and writes the table there as CSV.
  void SaveCsv();
  // Writes the table as CSV (UTF-8) to `path`; a failure is said in a box.
  bool WriteCsv(const QString& path);

  // The size the dialog takes on a screen whose free area is `available`.
  QSize SizeFor(const QSize& available) const;
  // Gives the columns of the table the width of their text, narrowing the
  // widest ones (their text wraps) when the table would need scrolling sideways.
  void FitColumns();

  const ThicknessTable& Table() const { return table_; }
  // The field of a figure the table uses ("EditNh"...), shown while the main
  // window does not show its own.
  QLineEdit* FigureEdit(const QString& control) const;
  QLineEdit* ListEdit() const { return list_; }
  // The layers of the case, the one the table varies selected.
  QComboBox* LayerCombo() const { return layer_; }
  QTableWidget* TableWidget() const { return grid_; }
  QChart* Chart() const { return chart_; }
  // The message shown in place of the table when the case cannot be swept.
  QLabel* RefusalLabel() const { return refusal_; }

  // How the dialog asks and tells; replaceable so that it can run unattended.
  std::function<QString(const QString& suggested)> askCsvPath;
  std::function<void(const Message& message)> tell;

 private:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Lists the layers of the case and selects the one the table varies.
  void ShowLayers();
  void ShowTable();
  // Shows the figures the window hides, each with the window's value when it
  // comes into view; reads them. False, with a box, when one is refused.
  void ShowFigures();
  bool ReadFigures(TableFigureValues& values);
  void DrawChart();
  QString SuggestedCsvPath() const;

  Brenak& app_;
  ThicknessTable table_;
  QLineEdit* list_;
  QComboBox* layer_;
  int chosenLayer_ = 0;  // the layer the user chose, 0 for the case's insulation layer
  QStackedWidget* pages_;
  QSplitter* splitter_;
  double tableShare_ = 2.0 / 3.0;  // of the width the table and the chart share
  QTableWidget* grid_;
  QChart* chart_;
  QLabel* refusal_;
  QWidget* figuresBox_;
  std::map<QString, std::pair<QLabel*, QLineEdit*>> figures_;
  QPushButton* copy_;
  QPushButton* save_;
};
