// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "CalcSubcommand.h"
#include "InstallationSubcommand.h"
#include "ReportSubcommand.h"
#include "SummarySubcommand.h"
#include "SweepSubcommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

#ifndef BRENAK_VERSION
#error "BRENAK_VERSION comes from the project's version (src/cli/CMakeLists.txt)"
#endif

namespace {

constexpr Subcommand kSubcommands[] = {
    {"calc",
     QT_TRANSLATE_NOOP("CommandLine",
                       "FILE [--set CONTROL=TEXTO]... [--click CONTROL[=FILA]]... [--decimal-separator , | .]"),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Abre FILE como \"Abrir\" (que lo calcula), hace en orden lo que dicen --set y --click como el usuario en la "
         "ventana y escribe en JSON el estado de la ventana: los avisos, cada control y la gráfica."),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "0 archivo leído, 1 uso incorrecto, 2 archivo rechazado o acción que la ventana no admite (control "
         "desconocido, fila fuera de límites...; nada en la salida estándar)."),
     RunCalcSubcommand},
    {"sweep",
     QT_TRANSLATE_NOOP("CommandLine",
                       "FILE [--thickness E1,E2,...] [--layer N] [--format csv|json] [--decimal-separator , | .]"),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Abre FILE como \"Abrir\" y escribe la tabla de espesores de su caso: flujo de calor, temperatura de "
         "superficie, energía, costes y RITE para cada espesor de la capa de aislamiento (o de la capa N)."),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "0 tabla escrita, 1 uso incorrecto, 2 archivo rechazado o caso sin tabla, también si la capa N no está en uso "
         "(el motivo en la salida de errores)."),
     RunSweepSubcommand},
    {"summary", QT_TRANSLATE_NOOP("CommandLine", "FILE... [--format csv|json] [--decimal-separator , | .]"),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Abre cada FILE como \"Abrir\" y escribe una fila por archivo: referencia, elemento, condición, aislante, "
         "resultados, RITE y avisos."),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "0 todos los archivos leídos, 1 uso incorrecto, 2 algún archivo rechazado (su fila lleva el aviso)."),
     RunSummarySubcommand},
    {"installation",
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "FILE [--power-kw P] [--format csv|json] [--decimal-separator , | .]\n"
         "  brenak-cli installation --import-csv LISTA.csv --template PROYECTO.txt [--power-kw P] [--save DOC] "
         "[--format csv|json] [--decimal-separator , | .]"),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Calcula una instalación (un documento .brenak-instalacion.json, o una lista de secciones en CSV con un "
         "proyecto plantilla) y escribe cada sección con sus resultados, los totales, los dos procedimientos del RITE "
         "y la medición del aislamiento."),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "0 todas las secciones calculadas, 1 uso incorrecto, 2 alguna sección o línea de la lista rechazada (su "
         "número y el motivo en la salida de errores) o documento, lista o plantilla ilegible, 3 la instalación no se "
         "ha podido guardar."),
     RunInstallationSubcommand},
    {"report", QT_TRANSLATE_NOOP("CommandLine", "FILE OUT.odt|OUT.pdf [--decimal-separator , | .]"),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Abre FILE como \"Abrir\" y escribe el informe del proyecto calculado: un PDF si OUT termina en .pdf, un "
         "texto OpenDocument si no."),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "0 informe escrito, 1 uso incorrecto, 2 el archivo no es un proyecto, 3 el proyecto no se ha calculado, "
         "4 el informe no se ha podido escribir."),
     RunReportSubcommand},
#ifdef BRENAK_HAVE_GUI
    {"screenshot",
     QT_TRANSLATE_NOOP("CommandLine",
                       "FILE OUT.png [--size WxH] [--scale F] [--show-chart] [--welcome] [--click CONTROL]..."),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "Abre FILE en la ventana, sin pantalla, pulsa los controles pedidos y guarda una imagen de toda la ventana."),
     QT_TRANSLATE_NOOP("CommandLine",
                       "0 imagen guardada, 1 uso incorrecto o imagen no escrita, 2 el archivo no es un proyecto."),
     nullptr},
    {"chart", QT_TRANSLATE_NOOP("CommandLine", "FILE OUT.png [--size WxH] [--scale F]"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Abre FILE en la ventana, sin pantalla, y guarda una imagen de la gráfica de temperaturas."),
     QT_TRANSLATE_NOOP("CommandLine",
                       "0 imagen guardada, 1 uso incorrecto o imagen no escrita, 2 el archivo no es un proyecto."),
     nullptr},
#endif
};

// A text of the tool in the language of the interface.
QString Tr(const char* text) { return QCoreApplication::translate("CommandLine", text); }

void Print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

QString UsageHeading() { return Tr(QT_TRANSLATE_NOOP("CommandLine", "Uso:")) + QLatin1Char('\n'); }

QString UsageLine(const Subcommand& command) {
  return QStringLiteral("  brenak-cli %1 %2\n").arg(QLatin1String(command.name), Tr(command.usage));
}

// Two columns: each entry's name, padded to the widest, then its text.
QString Columns(const QList<std::pair<QString, QString>>& rows) {
  qsizetype width = 0;
  for (const auto& [name, text] : rows) width = std::max(width, name.size());
  QString out;
  for (const auto& [name, text] : rows)
    out += QStringLiteral("  ") + name.leftJustified(width) + QStringLiteral("  ") + text + QLatin1Char('\n');
  return out;
}

// "Opciones:" and a line for each option: its names, its value, what it does.
QString OptionsHelp(const QList<QCommandLineOption>& options) {
  QList<std::pair<QString, QString>> rows;
  for (const QCommandLineOption& option : options) {
    QStringList names;
    for (const QString& name : option.names())
      names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString left = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty()) left += QLatin1Char(' ') + option.valueName();
    rows.append({left, option.description()});
  }
  return Tr(QT_TRANSLATE_NOOP("CommandLine", "Opciones:")) + QLatin1Char('\n') + Columns(rows);
}

}  // namespace

const Subcommand* FindSubcommand(const QString& name) {
  for (const Subcommand& command : kSubcommands)
    if (name == QLatin1String(command.name)) return &command;
  return nullptr;
}

void PrintUsage() {
  QString text = UsageHeading();
  for (const Subcommand& command : kSubcommands) text += UsageLine(command);
  Print(stderr, text);
}

void PrintUsage(const QString& name) { Print(stderr, UsageHeading() + UsageLine(*FindSubcommand(name))); }

int UsageError(const QString& text) {
  Print(stderr, QStringLiteral("brenak-cli: ") + text + QLatin1Char('\n'));
  PrintUsage();
  return kWrongUse;
}

QCommandLineOption HelpOption() {
  return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                            Tr(QT_TRANSLATE_NOOP("CommandLine", "muestra esta ayuda")));
}

QCommandLineOption VersionOption() {
  return QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                            Tr(QT_TRANSLATE_NOOP("CommandLine", "muestra la versión del programa")));
}

QCommandLineOption FormatOption() {
  return QCommandLineOption(
      QStringLiteral("format"),
      Tr(QT_TRANSLATE_NOOP("CommandLine", "formato de la tabla: CSV con cabecera (por omisión) o JSON")),
      QStringLiteral("csv|json"));
}

QCommandLineOption DecimalSeparatorOption() {
  return QCommandLineOption(QStringLiteral("decimal-separator"),
                            Tr(QT_TRANSLATE_NOOP("CommandLine", "separador decimal de los números: coma o punto")),
                            QStringLiteral(", | ."));
}

int PrintProgramHelp() {
  QString text = UsageHeading();
  QList<std::pair<QString, QString>> commands;
  for (const Subcommand& command : kSubcommands) {
    text += UsageLine(command);
    commands.append({QLatin1String(command.name), Tr(command.summary)});
  }
  text += QStringLiteral("  brenak-cli --help | --version\n\n") + Tr(QT_TRANSLATE_NOOP("CommandLine", "Órdenes:")) +
          QLatin1Char('\n') + Columns(commands) + QLatin1Char('\n') + OptionsHelp({HelpOption(), VersionOption()}) +
          QLatin1Char('\n') +
          Tr(QT_TRANSLATE_NOOP("CommandLine", "Cada orden describe sus opciones: brenak-cli ORDEN --help.")) +
          QLatin1Char('\n');
  Print(stdout, text);
  return 0;
}

int PrintHelp(const QString& name, const QList<QCommandLineOption>& options) {
  const Subcommand& command = *FindSubcommand(name);
  Print(stdout, UsageHeading() + UsageLine(command) + QLatin1Char('\n') + Tr(command.summary) + QStringLiteral("\n\n") +
                    OptionsHelp(options) + QLatin1Char('\n') +
                    Tr(QT_TRANSLATE_NOOP("CommandLine", "Estado de salida: %1")).arg(Tr(command.exitStatuses)) +
                    QLatin1Char('\n'));
  return 0;
}

int PrintVersion() {
  std::fputs("brenak-cli " BRENAK_VERSION "\n", stdout);
  return 0;
}

bool ParseArguments(QCommandLineParser& parser, const QStringList& args) {
  // The parser takes the first argument for the program's name.
  return parser.parse(QStringList{QStringLiteral("brenak-cli")} + args);
}

QString RefusedArgument(QCommandLineParser& parser, const QStringList& args) {
  for (qsizetype n = 1; n <= args.size(); ++n) {
    const QStringList run = args.first(n);
    if (!ParseArguments(parser, run) && !ParseArguments(parser, run + QStringList{QStringLiteral("x")}))
      return args[n - 1];
  }
  return QString();
}

SeparatorChoice ReadDecimalSeparator(const QCommandLineParser& parser, const QCommandLineOption& option,
                                     QChar* separator) {
  const QStringList values = parser.values(option);
  for (const QString& value : values)
    if (value != QLatin1String(",") && value != QLatin1String(".")) return SeparatorChoice::WrongValue;
  if (MissingValue(parser, option)) return SeparatorChoice::MissingValue;
  if (values.isEmpty()) return SeparatorChoice::NotGiven;
  *separator = values.constLast().at(0);
  return SeparatorChoice::Given;
}

int SeparatorUsageError(SeparatorChoice choice) {
  switch (choice) {
    case SeparatorChoice::MissingValue:
      return UsageError(Tr(QT_TRANSLATE_NOOP("CommandLine", "falta el separador decimal tras --decimal-separator")));
    case SeparatorChoice::WrongValue:
      return UsageError(Tr(QT_TRANSLATE_NOOP("CommandLine", "el separador decimal debe ser \",\" o \".\"")));
    case SeparatorChoice::Given:
    case SeparatorChoice::NotGiven: break;
  }
  return 0;
}

bool MissingValue(const QCommandLineParser& parser, const QCommandLineOption& option) {
  // An option that ends the arguments is named but has no value.
  qsizetype named = 0;
  for (const QString& name : parser.optionNames())
    if (option.names().contains(name)) ++named;
  return named > parser.values(option).size();
}

bool ReadTableFormat(const QCommandLineParser& parser, const QCommandLineOption& option, TableFormat* format) {
  const QStringList values = parser.values(option);
  for (const QString& value : values)
    if (value != QLatin1String("csv") && value != QLatin1String("json")) return false;
  *format = !values.isEmpty() && values.constLast() == QLatin1String("json") ? TableFormat::Json : TableFormat::Csv;
  return true;
}

void WriteOut(const QByteArray& bytes) {
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
  std::fflush(stdout);
}

void PrintError(const QString& text) { Print(stderr, QStringLiteral("brenak-cli: ") + text + QLatin1Char('\n')); }
