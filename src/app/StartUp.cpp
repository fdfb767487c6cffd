// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"

#include "app/Brenak.h"
#include "app/Events.h"
#include "app/ProjectCommands.h"
#include "form/MessageSink.h"
#include "form/NumberFormat.h"
#include "layout/ClearResults.h"
#include "layout/GeometryLayout.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

#ifndef BRENAK_VERSION
#error "BRENAK_VERSION comes from the project's version (src/CMakeLists.txt)"
#endif

QString ProgramFolderFromPath(const QString& programPath) {
  const qsizetype separator =
      std::max(programPath.lastIndexOf(QLatin1Char('\\')), programPath.lastIndexOf(QLatin1Char('/')));
  if (separator < 0) return QString();
  return programPath.left(separator);
}

bool CommandLineAccepted(const QStringList& arguments, MessageSink& messages) {
  if (arguments.size() <= 2) return true;
  messages.Show({QCoreApplication::translate("StartUp", "AVISO"), QCoreApplication::translate("StartUp", "Mal uso"),
                 MessageButtons::Ok, MessageId::WrongUse});
  return false;
}

QString CommandLineAnswer(const QStringList& arguments) {
  if (arguments.size() != 2) return QString();
  const QString& option = arguments.at(1);
  if (option == QLatin1String("--version") || option == QLatin1String("-v"))
    return QStringLiteral("brenak " BRENAK_VERSION "\n");
  if (option == QLatin1String("--help") || option == QLatin1String("-h"))
    return QCoreApplication::translate("StartUp",
                                       "Uso:\n"
                                       "  brenak [PROYECTO]\n"
                                       "  brenak --help | --version\n"
                                       "\n"
                                       "Abre la ventana del programa de cálculo de aislamientos y, si se da PROYECTO, "
                                       "abre ese archivo como \"Abrir\".\n"
                                       "\n"
                                       "Opciones:\n"
                                       "  -h, --help     muestra esta ayuda\n"
                                       "  -v, --version  muestra la versión del programa\n");
  return QString();
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

QString MainWindowCaption() {
  return QCoreApplication::translate("StartUp", "Programa de cálculo de aislamientos (v1.0) 9/8/2013");
}

QString MainWindowTitle(const WindowState& app) {
  const QString name = app.projectPath.isEmpty() ? QCoreApplication::translate("StartUp", "Sin título")
                                                 : QFileInfo(app.projectPath).fileName();
  return name + QStringLiteral("[*] - ") + MainWindowCaption();
}

void OpenStartFile(Brenak& app, const QStringList& arguments) {
  if (arguments.size() != 2 || arguments.at(1).isEmpty()) return;
  OpenProjectFile(app, arguments.at(1));
  app.projectLoading.EndOpening();
}
