// SPDX-License-Identifier: GPL-3.0-or-later
// Time of an installation of 1,000 sections: every row and the sums, and one
// row edited with the sums after it, as the table of the installation does.
#include "files/CaseFile.h"
#include "form/NumberFormat.h"
#include "installation/InstallationCalculation.h"

#include <benchmark/benchmark.h>
#include <QDir>

namespace {

// A thousand sections of every kind, sizes and temperatures varied, a tenth
// of them "mínimo RITE", on the golden pipe in air as the template.
InstallationDocument ThousandSections() {
  InstallationDocument doc;
  doc.templateCase =
      ReadCaseFile(QDir(QStringLiteral(BRENAK_CASES_DIR)).filePath(QStringLiteral("pipe_air_flow.txt"))).value;
  const SectionElement kinds[] = {SectionElement::PipeInAirHorizontal,
                                  SectionElement::PipeInAirVertical,
                                  SectionElement::PipeInAirHorizontal,
                                  SectionElement::BuriedPipe,
                                  SectionElement::Duct,
                                  SectionElement::TankVertical};
  for (int i = 0; i < 1000; ++i) {
    InstallationRow row;
    row.reference = QStringLiteral("Tramo %1").arg(i + 1);
    row.element = kinds[i % 6];
    row.placing = DefaultPlacing(row.element);
    row.diameter = QString::number(20 + (i * 7) % 200);
    row.width = QString::number(300 + (i * 13) % 700);
    row.height = QString::number(200 + (i * 11) % 500);
    if (IsTankElement(row.element)) row.diameter = QStringLiteral("800");
    row.length = QString::number(1 + i % 40);
    row.fluidTemperature = i % 3 == 0 ? QStringLiteral("7") : QString::number(45 + i % 40);
    row.surroundingsTemperature = QString::number(10 + i % 15);
    row.material = i % 2 ? QStringLiteral("Lana de vidrio") : QString::fromUtf8("Espuma elastomérica");
    row.thickness = QString::number(19 + i % 5 * 10);
    row.riteMinimum = i % 10 == 0;
    doc.rows.push_back(row);
  }
  doc.totals.maximumPower = QStringLiteral("400");
  return doc;
}

void InstallationOfAThousandSections(benchmark::State& state) {
  SetDecimalSeparator('.');
  const InstallationDocument doc = ThousandSections();
  for (auto _ : state) benchmark::DoNotOptimize(CalculateInstallation(doc));
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(doc.rows.size()));
  state.SetLabel("1000 rows, each with its bare section");
}

void OneRowEditedAndTheSums(benchmark::State& state) {
  SetDecimalSeparator('.');
  InstallationDocument doc = ThousandSections();
  InstallationResults results = CalculateInstallation(doc);
  int edit = 0;
  for (auto _ : state) {
    const int index = (edit * 37) % 1000;
    doc.rows[static_cast<size_t>(index)].thickness = QString::number(20 + edit % 30);
    RecalculateRow(doc, index, results);
    ++edit;
  }
  state.SetLabel("of 1000 rows");
}

}  // namespace

BENCHMARK(InstallationOfAThousandSections)->Unit(benchmark::kMillisecond);
BENCHMARK(OneRowEditedAndTheSums)->Unit(benchmark::kMicrosecond);
