// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalcSubcommand.h"

#include "CommandLine.h"
#include "app/Brenak.h"
#include "app/ProjectCommands.h"
#include "app/StartUp.h"
#include "app/UserActions.h"
#include "form/FormJson.h"
#include "form/NumberFormat.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QSet>

namespace {

// The toolbar commands whose click reaches outside the window: a file dialog,
// or the word processor with a report written into the reports folder.
const QSet<QString> kDesktopCommands{QStringLiteral("SBAbrir"), QStringLiteral("SBGuardar"),
                                     QStringLiteral("SBImpresor"), QStringLiteral("SBExportarPdf")};

// The --set and --click actions in the order the command line gives them, read
// from the order in which the parser met the options.
bool ReadActions(const QCommandLineParser& parser, const QCommandLineOption& setOption,
                 const QCommandLineOption& clickOption, std::vector<UserAction>* actions, QString* error) {
  const QStringList typed = parser.values(setOption);
  const QStringList clicked = parser.values(clickOption);
  qsizetype nextTyped = 0, nextClicked = 0;
  for (const QString& name : parser.optionNames()) {
    UserAction action;
    bool read = true;
    if (setOption.names().contains(name)) {
      read = ParseTypeAction(typed.value(nextTyped++), &action, error);
    } else if (clickOption.names().contains(name)) {
      read = ParseClickAction(clicked.value(nextClicked++), &action, error);
    } else {
      continue;
    }
    if (!read) return false;
    actions->push_back(action);
  }
  return true;
}

}  // namespace

int RunCalcSubcommand(const QStringList& args, const QString& programPath) {
  const QCommandLineOption setOption(
      QStringLiteral("set"),
      QCoreApplication::translate("CalcSubcommand",
                                  "escribe TEXTO en el campo CONTROL como el usuario: pulsa en el "
                                  "campo, escribe y sale de él (lo comprueba); se repite"),
      QCoreApplication::translate("CalcSubcommand", "CONTROL=TEXTO"));
  const QCommandLineOption clickOption(
      QStringLiteral("click"),
      QCoreApplication::translate("CalcSubcommand",
                                  "pulsa un botón, una imagen o un campo, marca una capa "
                                  "aislante (RBAislanteN) o elige la FILA, desde 0, de una "
                                  "lista; se repite. Las acciones siguen el orden dado"),
      QCoreApplication::translate("CalcSubcommand", "CONTROL[=FILA]"));
  const QCommandLineOption separatorOption = DecimalSeparatorOption();
  const QCommandLineOption helpOption = HelpOption();
  const QList<QCommandLineOption> options{setOption, clickOption, separatorOption, helpOption};
  QCommandLineParser parser;
  parser.addOptions(options);
  const bool parsed = ParseArguments(parser, args);

  // A wrong separator is told before an unknown option, and that before a
  // wrong number of files.
  QChar separator;
  if (const int status = SeparatorUsageError(ReadDecimalSeparator(parser, separatorOption, &separator))) return status;
  for (const QCommandLineOption& option : {setOption, clickOption})
    if (MissingValue(parser, option))
      return UsageError(
          QCoreApplication::translate("CalcSubcommand", "falta el valor tras --%1").arg(option.names().constFirst()));
  if (!parsed)
    return UsageError(
        QCoreApplication::translate("CalcSubcommand", "opción desconocida: %1").arg(RefusedArgument(parser, args)));
  if (parser.isSet(helpOption)) return PrintHelp(QStringLiteral("calc"), options);
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1)
    return UsageError(QCoreApplication::translate("CalcSubcommand", "calc espera un archivo de proyecto"));
  std::vector<UserAction> actions;
  QString problem;
  if (!ReadActions(parser, setOption, clickOption, &actions, &problem)) return UsageError(problem);
  if (!separator.isNull()) SetDecimalSeparator(separator);

  RecordingMessageSink sink;
  Brenak app(sink);
  problem = CheckControlNames(app.form, actions);
  for (const UserAction& action : actions)
    if (problem.isEmpty() && kDesktopCommands.contains(action.control))
      problem = QCoreApplication::translate("CalcSubcommand",
                                            "%1 abre un diálogo o el procesador de textos; calc no lo pulsa")
                    .arg(action.control);
  if (!problem.isEmpty()) {
    PrintError(problem);
    return 2;
  }

  CreateMainWindow(app, ProgramFolderFromPath(programPath));
  const bool read = OpenProjectFile(app, files.first());
  app.projectLoading.EndOpening();
  // The actions belong to the case of the file: a refused file shows its
  // message on a window that holds no case of it.
  if (read) problem = ApplyUserActions(app, actions);
  if (!problem.isEmpty()) {
    PrintError(problem);
    return 2;
  }
  WriteOut(QJsonDocument(FormStateJson(app, sink.shown)).toJson(QJsonDocument::Indented));
  return read ? 0 : 2;
}
