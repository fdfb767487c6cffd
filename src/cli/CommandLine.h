// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of brenak-cli: its subcommands, their usage and help, and
// the reading of the options they share. Each subcommand reads its own
// arguments with a QCommandLineParser; what is written here keeps their
// messages and exit statuses alike.

#include <QChar>
#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// The exit status of a wrong use of the tool.
inline constexpr int kWrongUse = 1;

// A subcommand: its name, the arguments after the name as the usage shows
// them, one line for the help of the tool, the exit statuses for its own help,
// and the function that runs it with the arguments after its name. The
// picture commands have no function here: they need the window, which main()
// hands them to before any application object exists.
struct Subcommand {
  const char* name;
  const char* usage;
  const char* summary;
  const char* exitStatuses;
  int (*run)(const QStringList& args, const QString& programPath);
};

// The subcommand called `name`; null when there is none.
const Subcommand* FindSubcommand(const QString& name);

// "Uso:" and the line of every subcommand, on the standard error.
void PrintUsage();
// "Uso:" and the line of the subcommand called `name`, on the standard error.
void PrintUsage(const QString& name);
// "brenak-cli: <text>" and the usage of every subcommand on the standard
// error. Returns kWrongUse.
int UsageError(const QString& text);

// --help (-h) and --version (-v).
QCommandLineOption HelpOption();
QCommandLineOption VersionOption();
// --decimal-separator , | . : the separator numbers are read and written with.
QCommandLineOption DecimalSeparatorOption();
// --format csv|json : how a table is written.
QCommandLineOption FormatOption();

// The help of the tool, or of the subcommand called `name` with its options,
// on the standard output. Return 0, the exit status of a help shown.
int PrintProgramHelp();
int PrintHelp(const QString& name, const QList<QCommandLineOption>& options);
// "brenak-cli 1.0" on the standard output. Returns 0.
int PrintVersion();

// Reads `args`, the arguments after a subcommand's name, with `parser`. False
// when the parser refuses them.
bool ParseArguments(QCommandLineParser& parser, const QStringList& args);

// The argument at which `parser` refuses `args`, as it was written: the last
// of the shortest run of arguments it refuses (an option missing only its
// value, at the end of the run, is not refused yet). Parses again, so the
// parser holds the results of that run afterwards.
QString RefusedArgument(QCommandLineParser& parser, const QStringList& args);

// What the arguments say about the decimal separator: nothing, a separator
// (the last one given), an option given last without its value, or a value
// that is neither "," nor ".".
enum class SeparatorChoice { NotGiven, Given, MissingValue, WrongValue };
SeparatorChoice ReadDecimalSeparator(const QCommandLineParser& parser, const QCommandLineOption& option,
                                     QChar* separator);
// The wrong use a separator choice makes, told with UsageError; 0 when there is none.
int SeparatorUsageError(SeparatorChoice choice);

// Whether an option that takes a value was given last without one: the parser
// counts every time the option was named, but keeps only the values it found.
bool MissingValue(const QCommandLineParser& parser, const QCommandLineOption& option);

// How a table is written: CSV with a header row (the default) or JSON.
enum class TableFormat { Csv, Json };
// Reads --format; false when its value is neither "csv" nor "json".
bool ReadTableFormat(const QCommandLineParser& parser, const QCommandLineOption& option, TableFormat* format);

// Writes the bytes to the standard output as they are.
void WriteOut(const QByteArray& bytes);
// "brenak-cli: <text>" on the standard error.
void PrintError(const QString& text);
