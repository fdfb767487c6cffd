// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabWidget>
#include <functional>

class InstallationSession;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

// The pages under the installation's table: "Totales" (the data the totals
// are worked out with, and the heat, energy, cost and CO2 of a year,
// insulated, bare and saved), "RITE" (both procedures, which governs and the
// verdict of the installation) and "Medición" (the bill of materials, to copy
// or save as CSV). They show the session's figures and follow its changes.
class InstallationPanels : public QTabWidget {
  Q_OBJECT
 public:
  InstallationPanels(InstallationSession& session, QWidget* parent = nullptr);

  // Shows the session's data and figures anew.
  void ShowData();
  void ShowFigures();

  // A row named in a list was chosen (its index in the document).
  std::function<void(int row)> rowChosen;
  // Puts a text on the clipboard.
  std::function<void(const QString& text)> copyText;

  QLineEdit* HoursEdit() const { return hours_; }
  QLineEdit* PriceEdit() const { return price_; }
  QComboBox* SourceCombo() const { return source_; }
  QLineEdit* FactorEdit() const { return factor_; }
  QLineEdit* PowerEdit() const { return power_; }
  QLabel* TotalsCell(int row, int column) const;
  QLabel* VerdictLabel() const { return verdict_; }
  QListWidget* BelowMinimumList() const { return below_; }
  QTableWidget* BillGrid() const { return bill_; }

 private:
  QWidget* BuildTotalsPage();
  QWidget* BuildRitePage();
  QWidget* BuildBillPage();
  // Takes the data typed into the fields; a value that is no number is said in
  // a box and the field shows the document's value again.
  void ReadData();

  InstallationSession& session_;
  QLineEdit* hours_ = nullptr;
  QLineEdit* price_ = nullptr;
  QComboBox* source_ = nullptr;
  QLineEdit* factor_ = nullptr;
  QLineEdit* power_ = nullptr;
  QLabel* totals_[5][4] = {};
  QLabel* counted_ = nullptr;
  QLabel* governing_ = nullptr;
  QLabel* verdict_ = nullptr;
  QLabel* simplifiedRule_ = nullptr;
  QLabel* simplified_ = nullptr;
  QListWidget* below_ = nullptr;
  QLabel* alternativeRule_ = nullptr;
  QLabel* alternative_ = nullptr;
  QTableWidget* bill_ = nullptr;
  bool showing_ = false;
};
