// SPDX-License-Identifier: GPL-3.0-or-later
#ifdef BRENAK_HAVE_GUI

#include "PictureSubcommands.h"

#include "CommandLine.h"
#include "gui/WindowPictures.h"

#include <QCommandLineParser>

namespace {

// The options of the picture command `name`, as its help lists them.
QList<QCommandLineOption> PictureOptions(const QString& name) {
  const bool window = name == QLatin1String("screenshot");
  QList<QCommandLineOption> options{
      {QStringLiteral("size"),
       (window ? QStringLiteral("tamaño de la ventana") : QStringLiteral("tamaño de la gráfica")) +
           QStringLiteral(" en píxeles, por ejemplo 1366x768"),
       QStringLiteral("WxH")},
      {QStringLiteral("scale"), QStringLiteral("escala de la pantalla, de 0.5 a 4"), QStringLiteral("F")}};
  if (window) {
    options.append({QStringLiteral("show-chart"), QStringLiteral("muestra la gráfica sobre los datos")});
    options.append({QStringLiteral("welcome"), QStringLiteral("deja abierto el panel de bienvenida")});
  }
  options.append({QStringLiteral("click"), QStringLiteral("pulsa el control; se repite para pulsar varios"),
                  QStringLiteral("CONTROL")});
  options.append(DecimalSeparatorOption());
  options.append(HelpOption());
  return options;
}

}  // namespace

bool IsPictureSubcommand(int argc, char** argv) { return argc > 1 && IsPictureCommand(argv[1]); }

int RunPictureSubcommand(int argc, char** argv, Language language) {
  const QString name = QString::fromLocal8Bit(argv[1]);
  QStringList args;
  for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const QList<QCommandLineOption> options = PictureOptions(name);
  QCommandLineParser parser;
  parser.addOptions(options);
  // Arguments the parser refuses go to the command all the same, which says
  // what is wrong with them.
  if (ParseArguments(parser, args) && parser.isSet(QStringLiteral("help"))) return PrintHelp(name, options);
  return RunPictureCommand(argc, argv, language);
}

#endif
