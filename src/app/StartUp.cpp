#include "app/StartUp.h"

#include "layout/ClearResults.h"
#include "layout/GeometryLayout.h"
#include "app/Brenak.h"
#include "app/Events.h"
#include "app/ProjectCommands.h"
#include "form/MessageSink.h"
#include "form/NumberFormat.h"

#include <QFileInfo>
#include <algorithm>

QString ProgramFolderFromPath(const QString& programPath) {
  const qsizetype separator = std::max(programPath.lastIndexOf(QLatin1Char('\\')), programPath.lastIndexOf(QLatin1Char('/')));
  if (separator < 0) return QString();
  return programPath.left(separator);
}

bool CommandLineAccepted(const QStringList& arguments, MessageSink& messages) {
  if (arguments.size() <= 2) return true;
  messages.Show({QStringLiteral("AVISO"), QStringLiteral("Mal uso"), MessageButtons::Ok});
  return false;
}

void CreateMainWindow(Brenak& app, const QString& programFolder) {
  InstallEventHandlers(app);
  Form& form = app.form;

  app.programFolder = programFolder;
  app.projectLoading = false;
  app.projectLoading.EndOpening();
  // The project dialogs' filter is kProjectFilter, handed over at each use.
  SelectStartRows(app);

  form.SetText("Editemisionhi", FormatFixed(0.9, 6, 1));
  form.SetText("Editemisionhe", FormatFixed(0.9, 6, 1));
  form.SetText("Edit1k", FormatFixed(0.04, 6, 2));
  form.SetText("EditCET", FormatFixed(0.033, 6, 3));
  form.SetText("EditCI1", QStringLiteral("41"));
  form.SetText("EditCI2", QStringLiteral("47"));
  form.SetText("EditEsp1", QStringLiteral("100"));
  form.SetText("EditEsp2", QStringLiteral("125"));

  ApplyGeometryLayout(app);
  ClearResults(app);

  ImposeCoefficientsAndLayOutPanels(app);
}

void SelectStartRows(Brenak& app) {
  Form& form = app.form;
  form.Hide("LNuncaCondensa");
  // Each selection sets off its own reaction, as the user's would.
  form.SelectRow("RadioGroupCalcular", 1);
  form.SetChecked("RBAislante1", true);
  form.SelectRow("RadioGroupCondicionP", 0);
  form.SelectRow("ComboBox1", 0);
  form.SelectRow("ComboBoxCaja", 0);
}

void ImposeCoefficientsAndLayOutPanels(Brenak& app) {
  app.form.SelectRow("RGhi", 0);
  app.form.SelectRow("RGhe", 0);
  LayoutInteriorPanel(app);
  LayoutExteriorPanel(app);
}

QString MainWindowTitle(const WindowState& app) {
  const QString name =
      app.projectPath.isEmpty() ? QStringLiteral("Sin título") : QFileInfo(app.projectPath).fileName();
  return name + QStringLiteral("[*] - ") + kMainWindowCaption;
}

void OpenStartFile(Brenak& app, const QStringList& arguments) {
  if (arguments.size() != 2 || arguments.at(1).isEmpty()) return;
  OpenProjectFile(app, arguments.at(1));
  app.projectLoading.EndOpening();
}
