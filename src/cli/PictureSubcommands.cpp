// SPDX-License-Identifier: GPL-3.0-or-later
#ifdef BRENAK_HAVE_GUI

#include "PictureSubcommands.h"

#include "CommandLine.h"
#include "gui/WindowPictures.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The options of the picture command `name`, as its help lists them.
QList<QCommandLineOption> PictureOptions(const QString& name) {
  const bool window = name == QLatin1String("screenshot");
  QList<QCommandLineOption> options{
      {QStringLiteral("size"),
       window
           ? QCoreApplication::translate("PictureSubcommands", "tamaño de la ventana en píxeles, por ejemplo 1366x768")
           : QCoreApplication::translate("PictureSubcommands", "tamaño de la gráfica en píxeles, por ejemplo 1366x768"),
       QStringLiteral("WxH")},
      {QStringLiteral("scale"), QCoreApplication::translate("PictureSubcommands", "escala de la pantalla, de 0.5 a 4"),
       QStringLiteral("F")}};
  if (window) {
    options.append({QStringLiteral("show-chart"),
                    QCoreApplication::translate("PictureSubcommands", "muestra la gráfica sobre los datos")});
    options.append({QStringLiteral("welcome"),
                    QCoreApplication::translate("PictureSubcommands", "deja abierto el panel de bienvenida")});
  }
  options.append({QStringLiteral("click"),
                  QCoreApplication::translate("PictureSubcommands", "pulsa el control; se repite para pulsar varios"),
                  QStringLiteral("CONTROL")});
  options.append(DecimalSeparatorOption());
  options.append(HelpOption());
  return options;
}

}  // namespace

bool IsPictureSubcommand(int argc, char** argv) { return argc > 1 && IsPictureCommand(argv[1]); }

int RunPictureSubcommand(int argc, char** argv, Language windowLanguage, Language helpLanguage) {
  const QString name = QString::fromLocal8Bit(argv[1]);
  QStringList args;
  for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const QList<QCommandLineOption> options = PictureOptions(name);
  QCommandLineParser parser;
  parser.addOptions(options);
  // Arguments the parser refuses go to the command all the same, which says
  // what is wrong with them.
  if (ParseArguments(parser, args) && parser.isSet(QStringLiteral("help"))) {
    // The help's texts need the translation, which needs an application.
    QCoreApplication application(argc, argv);
    InstallLanguage(application, helpLanguage);
    return PrintHelp(name, PictureOptions(name));
  }
  return RunPictureCommand(argc, argv, windowLanguage);
}

#endif
