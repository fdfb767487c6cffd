// Any 98-record file opened as "Abrir" does: applied, laid out, checked and
// calculated. Nothing may crash, hang or show a number that is not finite.
// One window serves every input, put back to its start state before each.
#include "ReusedWindow.h"

#include "app/ProjectCommands.h"
#include "app/Brenak.h"
#include "form/NumberFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>

namespace {

bool ShowsNonFinite(const Brenak& app) {
  for (const Control& c : app.form.Controls()) {
    if (c.type != ControlType::Label && c.type != ControlType::Edit) continue;
    if (c.text.contains(QLatin1String("NAN")) || c.text.contains(QLatin1String("INF"))) {
      std::fprintf(stderr, "%s shows \"%s\"\n", qPrintable(c.name), qPrintable(c.text));
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  static QCoreApplication qapp(argc, argv);
  static const QString folder = QDir::tempPath();
  static const QString path = folder + "/brenak-fuzz-" + QString::number(QCoreApplication::applicationPid()) + ".txt";

  SetDecimalSeparator('.');
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
  file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  file.close();

  static ReusedWindow window(folder);
  Brenak& app = window.Fresh();
  OpenProjectFile(app, path);
  if (ShowsNonFinite(app)) __builtin_trap();
  return 0;
}
