// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstallationCaseLink.h"

#include "app/Brenak.h"
#include "app/Commands.h"
#include "app/InstallationSession.h"
#include "app/ProjectCommands.h"
#include "form/CaseFields.h"
#include "form/CaseOpening.h"
#include "form/NumberFormat.h"
#include "form/WindowCase.h"
#include "installation/RowCase.h"

namespace {

// The case goes onto the main window as a new, unsaved one: saving it there
// makes a project file of its own and leaves the installation as it is.
bool PutOnMainWindow(InstallationSession& session, const Case& c) {
  Brenak& app = session.App();
  if (!ConfirmDiscardChanges(app)) return false;
  if (app.form.Visible(QStringLiteral("Panel6"))) app.form.Hide(QStringLiteral("Panel6"));
  PutCaseOnWindow(app, c);
  app.SetDocument(QString(), false);
  return true;
}

}  // namespace

bool EditTemplate(InstallationSession& session) {
  if (!PutOnMainWindow(session, session.Document().templateCase)) return false;
  session.SetLink(MainWindowLink{MainWindowLink::Kind::Template, -1});
  return true;
}

bool OpenRowInMainWindow(InstallationSession& session, int index) {
  if (index < 0 || index >= session.RowCount()) return false;
  const InstallationDocument& doc = session.Document();
  if (!PutOnMainWindow(session, RowCase(doc, doc.rows[static_cast<size_t>(index)]))) return false;
  // Its figures, its chart and its report at once, as the row shows them.
  CommandCalculate(session.App());
  session.SetLink(MainWindowLink{MainWindowLink::Kind::Row, index});
  return true;
}

void BringBackFromMainWindow(InstallationSession& session) {
  const std::optional<MainWindowLink> link = session.Link();
  if (!link) return;
  Brenak& app = session.App();
  const Case edited = CaseFromWindow(app);
  if (link->kind == MainWindowLink::Kind::Template) {
    // What the calculation on the main window worked out (its coefficients, a
    // layer's resistance) is no change of the user's.
    session.SetTemplate(AsOpened(edited));
    return;
  }
  if (link->row < 0 || link->row >= session.RowCount()) return;
  const InstallationDocument& doc = session.Document();
  const InstallationRow& row = doc.rows[static_cast<size_t>(link->row)];
  // A mode the element cannot take shows on the main window as the one it
  // falls back to (a sphere imposes its outside coefficient): the same mode.
  Case seen = edited;
  const Case base = RowCase(doc, row);
  if (seen.interiorMode == InteriorModeOf(base)) seen.interiorMode = base.interiorMode;
  if (seen.exteriorMode == ExteriorModeOf(base)) seen.exteriorMode = base.exteriorMode;
  // The main window writes a number it shows in its own digits ("10.00" for
  // "10"): the same number is no change.
  for (const CaseField& field : CaseFields()) {
    if (field.type != CaseValueType::Text) continue;
    const QString now = CaseText(seen, field);
    const QString was = CaseText(base, field);
    const std::optional<float> a = TryParseNumber(now), b = TryParseNumber(was);
    if (now != was && a && b && *a == *b) SetCaseText(seen, field, was);
  }
  const RowFromCaseResult back = RowFromCase(doc, row, AsOpened(seen));
  session.SetRow(link->row, back.row);
  if (!back.leftOut.isEmpty())
    ShowWarning(
        session.Messages(), MessageId::General,
        QCoreApplication::translate("InstallationCaseLink",
                                    "Estos cambios del caso no caben en las columnas de la fila %1 y siguen solo en la "
                                    "ventana principal: %2.")
            .arg(link->row + 1)
            .arg(back.leftOut.join(QStringLiteral(", "))));
}

void DropMainWindowLink(InstallationSession& session) {
  if (session.Link()) session.SetLink(std::nullopt);
}
