// SPDX-License-Identifier: GPL-3.0-or-later
// The physical invariants (PhysicsInvariants.h) on a few hundred generated
// projects, always the same ones, and on the projects kept in cases/.
#include "PhysicsInvariants.h"
#include "ProjectGenerator.h"
#include "ReusedWindow.h"

#include "checking/FieldValidation.h"
#include "files/ProjectFile.h"
#include "form/CaseFields.h"
#include "form/MessageSink.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <set>

namespace {

// Projects kFirstProject .. kFirstProject + kProjects - 1 of the generator.
constexpr std::uint32_t kFirstProject = 1;
constexpr int kProjects = 400;

class Invariants : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(QLatin1Char('.')); }
  void TearDown() override { ResetDecimalSeparator(); }

  QString Write(const QString& text) const {
    const QString path = dir.filePath(QStringLiteral("project.txt"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text.toUtf8());
    return path;
  }

  static QStringList Values(std::uint32_t number) {
    return ReadProjectRecords(NumberedProject(number).toUtf8()).values;
  }

  QTemporaryDir dir;
};

int Record(const QStringList& values, int record) { return values.at(record - 1).toInt(); }

// Every value a generated project gives passes the check of its field; the
// only empty ones say how a layer row or a box is given (by conductivity or
// by resistance).
TEST_F(Invariants, GeneratedValuesPassTheirFieldChecks) {
  const auto& table = CaseFields();
  for (std::uint32_t n = kFirstProject; n < kFirstProject + kProjects; ++n) {
    const QStringList values = Values(n);
    ASSERT_EQ(values.size(), kProjectRecordCount) << "project " << n;
    for (int i = 0; i < kProjectRecordCount; ++i) {
      const QString control = QString::fromLatin1(table[i].control);
      const QString kind = FieldKind(control);
      if (kind.isEmpty()) continue;
      const QString& value = values.at(i);
      if (value.isEmpty()) {
        const bool givenOtherwise = control.endsWith(QLatin1String("k")) || control.endsWith(QLatin1String("RT")) ||
                                    control.endsWith(QLatin1String("Caja"));
        EXPECT_TRUE(givenOtherwise) << "project " << n << ": " << control.toStdString() << " is empty";
        continue;
      }
      RecordingMessageSink sink;
      EXPECT_EQ(ValidateField(sink, value, kind), value) << "project " << n << ": " << control.toStdString();
      EXPECT_TRUE(sink.shown.empty()) << "project " << n << ": " << control.toStdString() << " = "
                                      << value.toStdString();
    }
  }
}

// One run meets every element kind and variant, both targets, every row of
// every condition list and every coefficient mode each kind offers.
TEST_F(Invariants, GeneratedProjectsCoverEveryCase) {
  std::set<int> variants, conditions, heatFlowVariants;
  std::map<int, std::set<int>> interiorModes, exteriorModes;  // by kind and variant
  for (std::uint32_t n = kFirstProject; n < kFirstProject + kProjects; ++n) {
    const QStringList v = Values(n);
    const int kind = Record(v, 66);
    const int variant = kind == 1 ? Record(v, 96) : kind == 2 ? Record(v, 97) : kind == 4 ? Record(v, 98) : 0;
    variants.insert(kind * 10 + variant);
    interiorModes[kind * 10 + variant].insert(Record(v, 50));
    exteriorModes[kind * 10 + variant].insert(Record(v, 55));
    if (Record(v, 95) == 0) {
      heatFlowVariants.insert(kind * 10 + variant);
      continue;
    }
    // P, T, TE, E, Conductos: records 89..93.
    int list = -1;
    if (kind == 1)
      list = 89;
    else if (kind == 2)
      list = variant >= 2 ? 91 : 90;
    else if (kind == 3)
      list = 92;
    else if (variant == 0)
      list = 93;
    if (list > 0) conditions.insert(list * 10 + Record(v, list));
  }
  EXPECT_EQ(variants.size(), 11u);  // 3 plates, 4 pipes, a sphere, a duct and 2 tanks
  EXPECT_EQ(heatFlowVariants.size(), 11u);
  EXPECT_EQ(conditions.size(), 8u + 8u + 4u + 6u + 7u);
  for (const int element : variants) {
    // Spheres offer no calculated coefficient, tanks none inside; the
    // exterior list of a buried pipe is not used.
    const bool sphere = element == 30, tank = element == 41 || element == 42;
    EXPECT_EQ(interiorModes[element].size(), sphere || tank ? 2u : 3u) << "element " << element;
    if (element != 22 && element != 23) {
      EXPECT_EQ(exteriorModes[element].size(), sphere ? 2u : 3u) << "element " << element;
    }
  }
}

// The invariants on the generated projects; enough of them reach each check
// for the run to mean something. BRENAK_INVARIANT_PROJECTS and
// BRENAK_INVARIANT_FIRST choose other projects for a longer, exploring run.
TEST_F(Invariants, HoldForGeneratedProjects) {
  bool ok = false;
  const int projects = qEnvironmentVariableIntValue("BRENAK_INVARIANT_PROJECTS", &ok);
  const int count = ok && projects > 0 ? projects : kProjects;
  const std::uint32_t first = qEnvironmentVariableIsSet("BRENAK_INVARIANT_FIRST")
                                  ? qEnvironmentVariable("BRENAK_INVARIANT_FIRST").toUInt()
                                  : kFirstProject;
  ReusedWindow window(dir.path());
  int calculated = 0, results = 0, heatFlow = 0, thickness = 0, unsettled = 0, economic = 0, monotonic = 0,
      critical = 0, failed = 0;
  for (std::uint32_t n = first; n < first + count; ++n) {
    const QString text = NumberedProject(n);
    const InvariantReport report = CheckProjectInvariants(window, Write(text));
    calculated += report.calculated;
    results += report.hasResults;
    heatFlow += report.heatFlowChecked;
    thickness += report.thicknessChecked;
    unsettled += report.unsettled;
    failed += !report.violations.empty();
    economic += report.economicChecked;
    monotonic += report.monotonicChecked;
    critical += report.belowCriticalRadius;
    EXPECT_TRUE(report.violations.empty())
        << "generated project " << n << " (brenak_generate_projects 1 DIR " << n << "):\n"
        << Describe(report) << text.toStdString();
  }
  std::printf(
      "Generated projects %u to %u: %d calculated, %d with results; checked: %d heat flows, %d thicknesses "
      "(%d more ended between two flow regimes), %d economic thicknesses, %d with more insulation (%d more "
      "below the critical radius); %d broke an invariant\n",
      first, first + count - 1, calculated, results, heatFlow, thickness, unsettled, economic, monotonic, critical,
      failed);
  EXPECT_EQ(calculated, count);
  EXPECT_GE(heatFlow, count / 5);
  EXPECT_GE(thickness, count / 5);
  EXPECT_GE(economic, count / 50);
  EXPECT_GE(monotonic, count / 2);
}

// Generated projects that broke an invariant, kept as they were generated. A
// refusal of such a case keeps the invariants too.
TEST_F(Invariants, HoldForTheKeptCases) {
  const QDir cases(QStringLiteral(BRENAK_INVARIANT_CASES));
  const QStringList files = cases.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
  ASSERT_FALSE(files.isEmpty()) << cases.path().toStdString();
  ReusedWindow window(cases.path());
  for (const QString& name : files) {
    const InvariantReport report = CheckProjectInvariants(window, cases.filePath(name));
    EXPECT_TRUE(report.calculated) << name.toStdString() << ":\n" << Describe(report);
    EXPECT_TRUE(report.violations.empty()) << name.toStdString() << ":\n" << Describe(report);
  }
}

}  // namespace
