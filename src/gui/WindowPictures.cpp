// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/WindowPictures.h"

#include "app/Brenak.h"
#include "app/ProjectCommands.h"
#include "app/StartUp.h"
#include "form/NumberFormat.h"
#include "gui/ChartPanel.h"
#include "gui/LayoutCheck.h"
#include "gui/MainWindow.h"
#include "gui/WindowServices.h"

#include <QCoreApplication>
#include <QFont>
#include <QPixmap>
#include <cstdio>
#include <cstring>

namespace {

struct PictureOptions {
  QString command;
  QString project;
  QString output;
  QSize size;
  QByteArray scale;
  double fontSize = 0;  // points; 0 keeps the platform's
  QChar separator;
  bool showChart = false;
  bool keepWelcome = false;
  QStringList clicks;
};

const char* const kUsage = QT_TRANSLATE_NOOP(
    "WindowPictures",
    "Uso:\n"
    "  brenak-cli screenshot FILE OUT.png [--size WxH] [--scale F] [--font-size PT] [--show-chart] [--welcome]\n"
    "                                     [--click CONTROL[=ROW]]... [--decimal-separator , | .]\n"
    "  brenak-cli chart FILE OUT.png [--size WxH] [--scale F] [--decimal-separator , | .]\n"
    "  brenak-cli layout-check FILE [--size WxH] [--scale F] [--font-size PT] [--click CONTROL[=ROW]]...\n"
    "                          [--decimal-separator , | .]\n");

const char* const kLayoutCheckHelp = QT_TRANSLATE_NOOP(
    "WindowPictures",
    "\nlayout-check abre FILE en la ventana, sin pantalla, del tamaño pedido (1366x700 si no se pide),\n"
    "pulsa los controles pedidos (CONTROL=FILA elige una fila de una lista) y escribe en JSON si el\n"
    "área de datos muestra barras de desplazamiento y cada texto visible que no cabe en su control.\n"
    "Estado de salida: 0 todo cabe, 1 algo no cabe o uso incorrecto.\n");

QByteArray Translated(const char* text) { return QCoreApplication::translate("WindowPictures", text).toLocal8Bit(); }

// Says what is wrong with the command line and how it is written, or with no
// problem (--help) the whole help on the standard output. No window has been
// made yet: a bare application carries the texts' language.
int Usage(int& argc, char** argv, Language language, const char* problem) {
  QCoreApplication texts(argc, argv);
  InstallLanguage(texts, language);
  if (!problem) {
    std::fputs(Translated(kUsage).constData(), stdout);
    std::fputs(Translated(kLayoutCheckHelp).constData(), stdout);
    return 0;
  }
  std::fprintf(stderr, "brenak-cli: %s\n", Translated(problem).constData());
  std::fputs(Translated(kUsage).constData(), stderr);
  return 1;
}

bool IsLayoutCheck(const QString& command) { return command == QLatin1String("layout-check"); }

// Reads the arguments before the application exists (the scale must be known then).
bool ReadOptions(int argc, char** argv, PictureOptions* o, const char** problem) {
  o->command = QString::fromLocal8Bit(argv[1]);
  QStringList positional;
  for (int i = 2; i < argc; ++i) {
    const QByteArray arg = argv[i];
    auto value = [&](QByteArray* out) {
      if (i + 1 >= argc) return false;
      *out = argv[++i];
      return true;
    };
    QByteArray v;
    if (arg == "--size") {
      if (!value(&v)) return *problem = QT_TRANSLATE_NOOP("WindowPictures", "falta el tamaño tras --size"), false;
      const QList<QByteArray> parts = v.toLower().split('x');
      bool okW = false, okH = false;
      if (parts.size() == 2) o->size = QSize(parts[0].toInt(&okW), parts[1].toInt(&okH));
      if (!okW || !okH || o->size.width() < 200 || o->size.height() < 150 || o->size.width() > 8000 ||
          o->size.height() > 8000)
        return *problem = QT_TRANSLATE_NOOP("WindowPictures", "el tamaño se escribe ANCHOxALTO, por ejemplo 1366x768"),
               false;
    } else if (arg == "--scale") {
      if (!value(&v)) return *problem = QT_TRANSLATE_NOOP("WindowPictures", "falta la escala tras --scale"), false;
      bool ok = false;
      const double scale = v.toDouble(&ok);
      if (!ok || scale < 0.5 || scale > 4)
        return *problem = QT_TRANSLATE_NOOP("WindowPictures", "la escala va de 0.5 a 4"), false;
      o->scale = v;
    } else if (arg == "--font-size" && o->command != QLatin1String("chart")) {
      if (!value(&v))
        return *problem = QT_TRANSLATE_NOOP("WindowPictures", "falta el tamaño de letra tras --font-size"), false;
      bool ok = false;
      o->fontSize = v.toDouble(&ok);
      if (!ok || o->fontSize < 6 || o->fontSize > 24)
        return *problem = QT_TRANSLATE_NOOP("WindowPictures", "el tamaño de letra va de 6 a 24 puntos"), false;
    } else if (arg == "--decimal-separator") {
      if (!value(&v) || (v != "," && v != "."))
        return *problem = QT_TRANSLATE_NOOP("WindowPictures", "el separador decimal debe ser \",\" o \".\""), false;
      o->separator = QLatin1Char(v.at(0));
    } else if (arg == "--help" && IsLayoutCheck(o->command)) {
      return *problem = nullptr, false;
    } else if (arg == "--show-chart" && o->command == QLatin1String("screenshot")) {
      o->showChart = true;
    } else if (arg == "--welcome" && o->command == QLatin1String("screenshot")) {
      o->keepWelcome = true;
    } else if (arg == "--click") {
      if (!value(&v))
        return *problem = QT_TRANSLATE_NOOP("WindowPictures", "falta el nombre del control tras --click"), false;
      o->clicks << QString::fromLatin1(v);
    } else if (arg.startsWith("--")) {
      return *problem = QT_TRANSLATE_NOOP("WindowPictures", "opción desconocida"), false;
    } else {
      positional << QString::fromLocal8Bit(arg);
    }
  }
  if (IsLayoutCheck(o->command)) {
    if (positional.size() != 1)
      return *problem = QT_TRANSLATE_NOOP("WindowPictures", "se espera un archivo de proyecto"), false;
    o->project = positional[0];
    return true;
  }
  if (positional.size() != 2)
    return *problem = QT_TRANSLATE_NOOP("WindowPictures", "se esperan un archivo de proyecto y un archivo PNG"), false;
  o->project = positional[0];
  o->output = positional[1];
  return true;
}

void PrintMessages(const RecordingMessageSink& sink) {
  for (const Message& m : sink.shown)
    std::fprintf(stderr, "%s: %s\n", m.caption.toLocal8Bit().constData(), m.text.toLocal8Bit().constData());
}

}  // namespace

bool IsPictureCommand(const char* name) {
  return name && (std::strcmp(name, "screenshot") == 0 || std::strcmp(name, "chart") == 0);
}

bool IsLayoutCheckCommand(const char* name) { return name && std::strcmp(name, "layout-check") == 0; }

int RunLayoutCheckCommand(int argc, char** argv, Language language) {
  if (argc < 2 || !IsLayoutCheckCommand(argv[1]))
    return Usage(argc, argv, language, QT_TRANSLATE_NOOP("WindowPictures", "orden desconocida"));
  return RunPictureCommand(argc, argv, language);
}

int RunPictureCommand(int argc, char** argv, Language language) {
  PictureOptions options;
  const char* problem = nullptr;
  if (argc < 2 || !(IsPictureCommand(argv[1]) || IsLayoutCheckCommand(argv[1])))
    return Usage(argc, argv, language, QT_TRANSLATE_NOOP("WindowPictures", "orden desconocida"));
  if (!ReadOptions(argc, argv, &options, &problem)) return Usage(argc, argv, language, problem);
  if (IsLayoutCheck(options.command) && !options.size.isValid()) options.size = QSize(1366, 700);

  // The window is drawn without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!options.scale.isEmpty()) qputenv("QT_SCALE_FACTOR", options.scale);
  BrenakApplication application(argc, argv, language);
  application.setStyle(QStringLiteral("Fusion"));
  // The letter of a desktop whose font is larger or smaller than Qt's default.
  if (options.fontSize > 0) {
    QFont font = QApplication::font();
    font.setPointSizeF(options.fontSize);
    QApplication::setFont(font);
  }
  if (!options.separator.isNull()) SetDecimalSeparator(options.separator);

  RecordingMessageSink sink;
  Brenak app(sink);
  MainWindow window(app);
  CreateMainWindow(app, ProgramFolderFromPath(QString::fromLocal8Bit(argv[0])));
  // The window is on the screen before the user acts, as in the program.
  window.Sync();
  window.resize(options.size.isValid() ? options.size : QSize(1366, 740));
  window.show();
  QApplication::processEvents();

  const bool read = OpenProjectFile(app, options.project);
  if (!options.keepWelcome && app.form.Visible("Panel6")) app.form.UserClick("Image1");
  window.Sync();
  for (const QString& click : options.clicks) {
    // CONTROL clicks the control; CONTROL=ROW chooses a row of a list.
    const QString name = click.section(QLatin1Char('='), 0, 0);
    bool isRow = false;
    const int row = click.section(QLatin1Char('='), 1).toInt(&isRow);
    if (!app.form.Has(name) || (click.contains(QLatin1Char('=')) && !isRow)) {
      std::fprintf(stderr, "brenak-cli: %s\n",
                   QCoreApplication::translate("WindowPictures", "no hay ningún control %1")
                       .arg(click)
                       .toLocal8Bit()
                       .constData());
      return 1;
    }
    if (isRow)
      app.form.UserSelect(name, row);
    else
      app.form.UserClick(name);
    window.Sync();
  }
  if (options.showChart && app.form.Enabled("SpeedButton7")) app.form.UserClick("SpeedButton7");
  PrintMessages(sink);

  if (IsLayoutCheck(options.command)) {
    window.Sync();
    SettleLayouts();
    const LayoutReport report = CheckLayout(&window);
    std::fputs(report.Json().constData(), stdout);
    return report.Fits() ? 0 : 1;
  }

  QImage picture;
  if (options.command == QLatin1String("screenshot")) {
    window.Sync();
    SettleLayouts();
    if (!options.size.isValid()) {
      // The size the program would take on a large screen.
      window.resize(window.PreferredSize(QSize(1920, 1080)).expandedTo(QSize(1280, 700)));
      SettleLayouts();
    }
    picture = window.grab().toImage();
  } else {
    ChartPanel panel;
    panel.resize(options.size.isValid() ? options.size : QSize(900, 560));
    panel.ShowModel(app.chart);
    panel.show();
    QApplication::processEvents();
    picture = panel.Picture();
  }
  if (picture.isNull() || !picture.save(options.output, "PNG")) {
    std::fprintf(stderr, "brenak-cli: %s\n",
                 QCoreApplication::translate("WindowPictures", "no se pudo escribir %1")
                     .arg(options.output)
                     .toLocal8Bit()
                     .constData());
    return 1;
  }
  return read ? 0 : 2;
}
