#include "gui/WindowPictures.h"

#include "app/ProjectCommands.h"
#include "gui/ChartPanel.h"
#include "gui/MainWindow.h"
#include "gui/WindowServices.h"
#include "app/Brenak.h"
#include "form/NumberFormat.h"
#include "app/StartUp.h"

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
  QChar separator;
  bool showChart = false;
  bool keepWelcome = false;
  QStringList clicks;
};

int Usage(const char* problem) {
  std::fprintf(stderr, "brenak-cli: %s\n", problem);
  std::fputs("Uso:\n"
             "  brenak-cli screenshot FILE OUT.png [--size WxH] [--scale F] [--show-chart] [--welcome]\n"
             "                                     [--click CONTROL]... [--decimal-separator , | .]\n"
             "  brenak-cli chart FILE OUT.png [--size WxH] [--scale F] [--decimal-separator , | .]\n",
             stderr);
  return 1;
}

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
      if (!value(&v)) return *problem = "falta el tamaño tras --size", false;
      const QList<QByteArray> parts = v.toLower().split('x');
      bool okW = false, okH = false;
      if (parts.size() == 2) o->size = QSize(parts[0].toInt(&okW), parts[1].toInt(&okH));
      if (!okW || !okH || o->size.width() < 200 || o->size.height() < 150 || o->size.width() > 8000 ||
          o->size.height() > 8000)
        return *problem = "el tamaño se escribe ANCHOxALTO, por ejemplo 1366x768", false;
    } else if (arg == "--scale") {
      if (!value(&v)) return *problem = "falta la escala tras --scale", false;
      bool ok = false;
      const double scale = v.toDouble(&ok);
      if (!ok || scale < 0.5 || scale > 4) return *problem = "la escala va de 0.5 a 4", false;
      o->scale = v;
    } else if (arg == "--decimal-separator") {
      if (!value(&v) || (v != "," && v != ".")) return *problem = "el separador decimal debe ser \",\" o \".\"", false;
      o->separator = QLatin1Char(v.at(0));
    } else if (arg == "--show-chart" && o->command == QLatin1String("screenshot")) {
      o->showChart = true;
    } else if (arg == "--welcome" && o->command == QLatin1String("screenshot")) {
      o->keepWelcome = true;
    } else if (arg == "--click") {
      if (!value(&v)) return *problem = "falta el nombre del control tras --click", false;
      o->clicks << QString::fromLatin1(v);
    } else if (arg.startsWith("--")) {
      return *problem = "opción desconocida", false;
    } else {
      positional << QString::fromLocal8Bit(arg);
    }
  }
  if (positional.size() != 2) return *problem = "se esperan un archivo de proyecto y un archivo PNG", false;
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

int RunPictureCommand(int argc, char** argv) {
  PictureOptions options;
  const char* problem = nullptr;
  if (argc < 2 || !IsPictureCommand(argv[1])) return Usage("orden desconocida");
  if (!ReadOptions(argc, argv, &options, &problem)) return Usage(problem);

  // The window is drawn without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!options.scale.isEmpty()) qputenv("QT_SCALE_FACTOR", options.scale);
  BrenakApplication application(argc, argv);
  application.setStyle(QStringLiteral("Fusion"));
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
  for (const QString& name : options.clicks) {
    if (!app.form.Has(name)) {
      std::fprintf(stderr, "brenak-cli: no hay ningún control %s\n", name.toLocal8Bit().constData());
      return 1;
    }
    app.form.UserClick(name);
    window.Sync();
  }
  if (options.showChart && app.form.Enabled("SpeedButton7")) app.form.UserClick("SpeedButton7");
  PrintMessages(sink);

  QImage picture;
  if (options.command == QLatin1String("screenshot")) {
    window.Sync();
    QApplication::processEvents();
    if (!options.size.isValid()) {
      // The size the program would take on a large screen.
      window.resize(window.PreferredSize(QSize(1920, 1080)).expandedTo(QSize(1280, 700)));
      QApplication::processEvents();
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
    std::fprintf(stderr, "brenak-cli: no se pudo escribir %s\n", options.output.toLocal8Bit().constData());
    return 1;
  }
  return read ? 0 : 2;
}
