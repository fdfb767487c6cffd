// SPDX-License-Identifier: GPL-3.0-or-later
// Time of an edit in the installation's window: one cell of a row typed anew
// in a table of 1,000 sections, that row and the sums recalculated, and the
// whole window painted again (on Qt's offscreen platform, no display needed);
// and of the installation's memorandum written as a PDF.
#include "../tests/app/InstallationSample.h"
#include "app/Brenak.h"
#include "app/InstallationCommands.h"
#include "app/InstallationSession.h"
#include "app/InstallationTableModel.h"
#include "app/StartUp.h"
#include "form/NumberFormat.h"
#include "gui/InstallationWindow.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>

namespace {

void EditOneCellOfAThousandAndRepaint(benchmark::State& state) {
  SetDecimalSeparator('.');
  RecordingMessageSink sink;
  Brenak app(sink);
  CreateMainWindow(app, QString());
  InstallationWindow window(app);
  window.Session().Replace(SampleInstallation(1000), QString(), false);
  window.resize(1366, 740);
  window.show();
  QCoreApplication::processEvents();
  const int column = static_cast<int>(state.range(0));
  InstallationTableModel& model = window.Model();
  int edit = 0;
  for (auto _ : state) {
    // A row in view, given another length or fluid temperature each time.
    const int row = edit % 20;
    const QString value = QString::number(column == InstallationTableModel::Quantity ? 5 + edit % 30 : 40 + edit % 30);
    model.setData(model.index(row, column), value);
    window.repaint();
    ++edit;
  }
  state.SetLabel(column == InstallationTableModel::Quantity ? "length of a row of 1000"
                                                            : "fluid temperature of a row of 1000");
}

// The memorandum of 200 or 1,000 sections written as a PDF, in memory and to
// a file, as "Exportar PDF" does.
void MemorandumAsPdf(benchmark::State& state) {
  SetDecimalSeparator('.');
  RecordingMessageSink sink;
  Brenak app(sink);
  CreateMainWindow(app, QString());
  InstallationSession session(app);
  session.Replace(SampleInstallation(static_cast<int>(state.range(0))), QString(), false);
  const QString path = QDir::temp().filePath(QStringLiteral("brenak-memoria-bench.pdf"));
  for (auto _ : state) benchmark::DoNotOptimize(ExportInstallationPdfFile(session, path));
  QFile::remove(path);
  state.SetLabel(std::to_string(state.range(0)) + " sections");
}

}  // namespace

BENCHMARK(MemorandumAsPdf)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(EditOneCellOfAThousandAndRepaint)
    ->Arg(InstallationTableModel::Quantity)
    ->Arg(InstallationTableModel::FluidTemperature)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
