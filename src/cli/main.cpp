// brenak-cli: the program without its window, for scripts and tests.
//
//   brenak-cli calc FILE [--decimal-separator , | .]
//   brenak-cli report FILE OUT.odt|OUT.pdf [--decimal-separator , | .]
//
// Each subcommand is one entry of kCommands; it gets the arguments after its
// name and returns the exit status.

#include "ReportSubcommand.h"
#include "app/ProjectCalculation.h"
#include "form/NumberFormat.h"
#include "app/StartUp.h"

#ifdef BRENAK_HAVE_GUI
#include "gui/WindowPictures.h"
#endif

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QStringList>
#include <cstdio>

namespace {

struct Command {
  const char* name;
  const char* usage;  // the arguments after the name
  int (*run)(const QStringList& args, const QString& programPath);
};

int Calc(const QStringList& args, const QString& programPath);

constexpr Command kCommands[] = {
    {"calc", "FILE [--decimal-separator , | .]", Calc},
    {"report", "FILE OUT.odt|OUT.pdf [--decimal-separator , | .]", RunReportSubcommand},
};

void PrintUsage() {
  std::fputs("Uso:\n", stderr);
  for (const Command& c : kCommands) std::fprintf(stderr, "  brenak-cli %s %s\n", c.name, c.usage);
#ifdef BRENAK_HAVE_GUI
  std::fputs("  brenak-cli screenshot FILE OUT.png [--size WxH] [--scale F] [--show-chart] [--welcome] [--click CONTROL]...\n"
             "  brenak-cli chart FILE OUT.png [--size WxH] [--scale F]\n", stderr);
#endif
}

int UsageError(const QString& text) {
  std::fprintf(stderr, "brenak-cli: %s\n", text.toLocal8Bit().constData());
  PrintUsage();
  return 1;
}

// Takes "--decimal-separator X" (or "--decimal-separator=X") out of the
// arguments and sets it. False with a message on a bad option.
bool TakeDecimalSeparator(QStringList* args, QString* error) {
  for (int i = 0; i < args->size(); ++i) {
    const QString arg = args->at(i);
    QString value;
    if (arg == QLatin1String("--decimal-separator")) {
      if (i + 1 >= args->size()) {
        *error = QStringLiteral("falta el separador decimal tras --decimal-separator");
        return false;
      }
      value = args->at(i + 1);
      args->remove(i, 2);
    } else if (arg.startsWith(QLatin1String("--decimal-separator="))) {
      value = arg.mid(static_cast<int>(qstrlen("--decimal-separator=")));
      args->remove(i);
    } else {
      continue;
    }
    if (value != QLatin1String(",") && value != QLatin1String(".")) {
      *error = QStringLiteral("el separador decimal debe ser \",\" o \".\"");
      return false;
    }
    SetDecimalSeparator(value.at(0));
    --i;
  }
  return true;
}

int Calc(const QStringList& argsIn, const QString& programPath) {
  QStringList args = argsIn;
  QString error;
  if (!TakeDecimalSeparator(&args, &error)) return UsageError(error);
  for (const QString& arg : args)
    if (arg.startsWith(QLatin1String("--"))) return UsageError(QStringLiteral("opción desconocida: ") + arg);
  if (args.size() != 1) return UsageError(QStringLiteral("calc espera un archivo de proyecto"));

  const CalculatedProject outcome = CalculateProjectFile(args.first(), ProgramFolderFromPath(programPath));
  const QByteArray json = QJsonDocument(outcome.json).toJson(QJsonDocument::Indented);
  std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
  std::fflush(stdout);
  return outcome.read ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef BRENAK_HAVE_GUI
  // The picture commands draw the real window and make their own application object.
  if (argc > 1 && IsPictureCommand(argv[1])) return RunPictureCommand(argc, argv);
#endif
  // Reports draw pictures and lay out pages, which needs the font database of a
  // QGuiApplication; the offscreen platform needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QStringList args = QCoreApplication::arguments();
  const QString programPath = args.isEmpty() ? QString() : args.takeFirst();
  if (args.isEmpty()) return UsageError(QStringLiteral("falta la orden"));

  const QString name = args.takeFirst();
  for (const Command& c : kCommands)
    if (name == QLatin1String(c.name)) return c.run(args, programPath);
  return UsageError(QStringLiteral("orden desconocida: ") + name);
}
