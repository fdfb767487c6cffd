// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "installation/InstallationCalculation.h"
#include "installation/InstallationDocument.h"

#include <QObject>
#include <QString>
#include <optional>

class Brenak;
class FileDialogs;
class MessageSink;

// What the main window holds of the installation while the user looks at it
// there: the template case ("Editar plantilla") or one row as a whole case
// ("Abrir en la ventana principal").
struct MainWindowLink {
  enum class Kind { Template, Row };
  Kind kind = Kind::Template;
  int row = -1;  // the row's index, for Kind::Row; follows inserted and removed rows
};

// The installation's window without its widgets: the document, the figures
// of every row and the sums, the file it is kept in and whether it changed.
// Every change goes through here, and each recalculates only what it touches:
// an edited row, that row and the sums; the totals' data, the sums alone; the
// template or the user's materials, every row.
class InstallationSession : public QObject {
  Q_OBJECT
 public:
  explicit InstallationSession(Brenak& app, QObject* parent = nullptr);

  Brenak& App() const { return app_; }
  // How the installation's commands ask and tell: the window's own dialogs and
  // boxes, else those of the main window.
  FileDialogs* Dialogs() const;
  MessageSink& Messages() const;
  void UseDialogs(FileDialogs* dialogs, MessageSink* messages) {
    dialogs_ = dialogs;
    messages_ = messages;
  }
  const InstallationDocument& Document() const { return doc_; }
  const InstallationResults& Results() const { return results_; }
  int RowCount() const { return static_cast<int>(doc_.rows.size()); }

  // The file the document was opened from or saved to (empty for a new one)
  // and whether it changed since.
  const QString& Path() const { return path_; }
  bool Modified() const { return modified_; }
  void SetPath(const QString& path, bool modified);
  // The window's title: "Instalación — NAME[*]".
  QString Title() const;

  // A whole document in place of the one held (a new, opened or imported
  // one), every row calculated.
  void Replace(InstallationDocument doc, const QString& path, bool modified);
  // One row typed anew: that row and the sums.
  void SetRow(int index, const InstallationRow& row);
  // Rows put in at `index` (calculated) or taken out from `first`.
  void InsertRows(int index, const std::vector<InstallationRow>& rows);
  void RemoveRows(int first, int count);
  void SetTotalsData(const InstallationTotalsData& totals);
  // A new template: every row again.
  void SetTemplate(const Case& templateCase);

  // A row's material named from the user's own list of the program is kept
  // with the document, so that the document opens with the same figures
  // elsewhere.
  void KeepUserMaterialOf(InstallationRow& row);

  const std::optional<MainWindowLink>& Link() const { return link_; }
  void SetLink(std::optional<MainWindowLink> link);

 signals:
  // Before and after the whole table changes (Replace, SetTemplate).
  void aboutToReset();
  void reset();
  void rowChanged(int index);
  void aboutToInsert(int first, int last);
  void inserted();
  void aboutToRemove(int first, int last);
  void removed();
  // The sums, the procedures and the bill of materials changed.
  void totalsChanged();
  // The path, the changed mark or the link changed.
  void stateChanged();

 private:
  void Touched();

  Brenak& app_;
  FileDialogs* dialogs_ = nullptr;
  MessageSink* messages_ = nullptr;
  InstallationDocument doc_;
  InstallationResults results_;
  QString path_;
  bool modified_ = false;
  std::optional<MainWindowLink> link_;
};

// The template a new installation starts from: the program's start case made a
// horizontal pipe in air, its heat flow asked for, the inside coefficient
// neglected (a liquid) and the outside one calculated in a closed room.
Case NewInstallationTemplate();
// A new document: that template, no rows, the totals' start data.
InstallationDocument NewInstallationDocument();
// A row to add after `previous` (or the first row): it repeats what a pipe
// list repeats from line to line, the element, temperatures, placing and
// insulation, with no reference and no length.
InstallationRow NextRow(const InstallationRow* previous);
