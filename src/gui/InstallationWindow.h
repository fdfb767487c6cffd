// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/WindowServices.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class Brenak;
class InstallationPanels;
class InstallationSession;
class InstallationTableModel;
class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QTableView;

// "Instalación": a window of its own over the main one, for a document of many
// sections. The table of sections fills its upper part, edited in place; the
// totals, the regulation's procedures and the bill of materials share the
// pages under it. The toolbar holds the document's commands, the rows'
// commands and the way to the main window, where the template or a row is
// looked at as a whole case and from where its changes are brought back.
class InstallationWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit InstallationWindow(Brenak& app, QWidget* parent = nullptr);
  ~InstallationWindow() override;

  InstallationSession& Session() const { return *session_; }
  InstallationTableModel& Model() const { return *model_; }
  QTableView* Table() const { return table_; }
  InstallationPanels* Panels() const { return panels_; }
  // A command of the toolbar by its object name ("InstAbrir", ...).
  QAction* Command(const QString& name) const;
  // The bar that says which case of the installation the main window holds.
  QFrame* LinkBar() const { return linkBar_; }

  // Boxes and file dialogs over this window, in place of the main window's
  // (the window's tests leave them to the main window's, which they record).
  void AskAndTellHere();

  // Puts a text on the clipboard; the desktop's clipboard unless replaced.
  std::function<void(const QString& text)> copyText;
  // Shows the main window brought up to date, after a case was put on it.
  std::function<void()> showMainWindow;

  // Adds a section after the current row (or at the end), repeating what the
  // row before it holds, and starts editing its reference.
  void AddRow();
  // Copies of the selected rows after the last of them.
  void DuplicateRows();
  void RemoveSelectedRows();
  // The rows with a selected cell, in ascending order.
  std::vector<int> SelectedRows() const;

  // Shows the window at a size that fits the screen, raised.
  void ShowOnScreen();
  // Gives the columns the width of their texts.
  void FitColumns();

 protected:
  // Closing the window closes the document: a changed one asks to be saved
  // first, and "Cancelar" keeps the window open.
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildCommands();
  void ShowState();
  void ShowCounts();
  QAction* AddCommand(const QString& name, const QString& text, const QString& tip, const QKeySequence& key,
                      const std::function<void()>& run);
  void ChooseRow(int row);

  Brenak& app_;
  // The boxes and file dialogs of the installation's commands, over this window.
  WidgetMessageSink messages_;
  std::unique_ptr<WidgetFileDialogs> dialogs_;
  InstallationSession* session_;
  InstallationTableModel* model_;
  QTableView* table_ = nullptr;
  InstallationPanels* panels_ = nullptr;
  QFrame* linkBar_ = nullptr;
  QLabel* linkText_ = nullptr;
  QPushButton* bringBack_ = nullptr;
  QLabel* counts_ = nullptr;
  std::vector<QAction*> commands_;
};
