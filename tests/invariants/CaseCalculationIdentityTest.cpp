// SPDX-License-Identifier: GPL-3.0-or-later
// A case calculated without any window gives what the window gives when it
// opens the same project: the same engine outcome to the last bit, the same
// result lines, the same warnings and the same table of thicknesses. Checked on the golden cases and on
// generated projects of every kind, target and condition.
#include "ProjectGenerator.h"
#include "ReusedWindow.h"
#include "engine/OutcomeFingerprint.h"

#include "app/CalculationInputs.h"
#include "app/ProjectCommands.h"
#include "app/ThicknessTable.h"
#include "checking/CaseCheck.h"
#include "checking/ShownFields.h"
#include "files/CaseFile.h"
#include "files/ProjectFile.h"
#include "form/CaseFields.h"
#include "form/CaseOpening.h"
#include "form/NumberFormat.h"
#include "results/CaseCalculation.h"
#include "results/ResultLines.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kProjects = 1000;

class CaseCalculationIdentity : public ::testing::TestWithParam<QChar> {
 protected:
  void SetUp() override { SetDecimalSeparator(GetParam()); }
  void TearDown() override { ResetDecimalSeparator(); }

  // Opens the project in the window and calculates its case alone; false when
  // the window refused the file or did not calculate (its checks stopped it).
  bool Compare(const QByteArray& bytes, const std::string& name) {
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    file.write(bytes);
    file.close();
    Brenak& app = window_.Fresh();
    const CaseReading reading = ReadCase(bytes);
    const bool opened = OpenProjectFile(app, path_);
    EXPECT_EQ(reading.ok(), opened) << name;
    if (!opened) return false;

    // The fields the case shows are those the window shows.
    const QSet<QString> fields = ShownFields(AsOpened(reading.value));
    for (const CaseField& field : CaseFields()) {
      if (field.type != CaseValueType::Text) continue;
      const QString control = QString::fromLatin1(field.control);
      bool visible = app.form.Visible(control);
      for (QString parent = app.form.At(control).parent; visible && !parent.isEmpty();
           parent = app.form.At(parent).parent)
        visible = app.form.Visible(parent);
      EXPECT_EQ(fields.contains(control), visible) << name << ": " << field.control;
    }
    // The checks of the case say what the window's checks said.
    QStringList said;
    for (const CaseProblem& problem : CheckCase(AsOpened(reading.value)))
      for (const Message& box : problem.boxes) said << box.text;
    if (!app.lastOutcome) {
      QStringList boxes;
      for (const Message& m : window_.Messages().shown) boxes << m.text;
      EXPECT_EQ(said, boxes) << name;
      return false;
    }
    EXPECT_TRUE(said.isEmpty()) << name;

    const CaseOutcome alone = CalculateCase(AsOpened(reading.value));
    EXPECT_EQ(Fingerprint(alone.engine).Text(), Fingerprint(app.lastOutcome->engine).Text()) << name;

    QStringList warnings;
    for (const CalcMessage& m : alone.engine.Messages()) warnings << m.text;
    QStringList boxes;
    for (const Message& m : window_.Messages().shown) boxes << m.text;
    EXPECT_EQ(warnings, boxes) << name;

    // The table of thicknesses of the case is the window's, cell for cell:
    // the window after its calculation holds what the user typed.
    const ThicknessTable fromWindow = BuildThicknessTable(app, CommercialThicknesses());
    const ThicknessTable fromCase = BuildThicknessTable(AsOpened(reading.value), CommercialThicknesses());
    EXPECT_EQ(fromCase.refusal, fromWindow.refusal) << name;
    EXPECT_EQ(fromCase.rows, fromWindow.rows) << name;

    if (alone.HasResults()) {
      const ResultLines lines = MakeResultLines(alone);
      EXPECT_EQ(lines.heatFlow, app.form.Text(QStringLiteral("LabelQ"))) << name;
      EXPECT_EQ(lines.resistance, app.form.Text(QStringLiteral("LabelRT"))) << name;
      EXPECT_EQ(lines.rite, app.form.Text(QStringLiteral("LabelRITE"))) << name;
      if (lines.note) {
        EXPECT_EQ(*lines.note, app.form.Text(QStringLiteral("LabelEsp"))) << name;
      }
    }
    return true;
  }

  QTemporaryDir dir_;
  QString path_ = dir_.filePath(QStringLiteral("project.txt"));
  ReusedWindow window_{dir_.path()};
};

TEST_P(CaseCalculationIdentity, GoldenCases) {
  const QDir cases(QStringLiteral(BRENAK_GOLDEN_CASES));
  int compared = 0;
  for (const QString& name : cases.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
    QFile file(cases.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    compared += Compare(file.readAll(), name.toStdString());
  }
  EXPECT_GE(compared, 8);
}

TEST_P(CaseCalculationIdentity, GeneratedProjects) {
  int compared = 0;
  for (std::uint32_t n = 1; n <= kProjects; ++n)
    compared += Compare(NumberedProject(n).toUtf8(), "generated project " + std::to_string(n));
  EXPECT_GE(compared, kProjects / 2);
}

INSTANTIATE_TEST_SUITE_P(Separators, CaseCalculationIdentity, ::testing::Values(QChar('.'), QChar(',')),
                         [](const auto& info) { return info.param == '.' ? "Point" : "Comma"; });

// A golden project read as a case gives back its records; written, it gives
// the bytes its records give and reads back as the same case.
TEST(CaseFileRoundTrip, GoldenFilesComeBackRecordForRecord) {
  const QDir cases(QStringLiteral(BRENAK_GOLDEN_CASES));
  for (const QString& name : cases.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
    QFile file(cases.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const CaseReading reading = ReadCase(bytes);
    if (!reading.ok()) continue;  // a file kept to be refused
    EXPECT_EQ(RecordsOfCase(reading.value), ReadProjectRecords(bytes).values) << name.toStdString();
    const QByteArray written = WriteCase(reading.value);
    const CaseReading again = ReadCase(written);
    ASSERT_TRUE(again.ok()) << name.toStdString();
    EXPECT_TRUE(again.value == reading.value) << name.toStdString();
    EXPECT_EQ(WriteCase(again.value), written) << name.toStdString();
    EXPECT_EQ(written, WriteProjectRecords(ReadProjectRecords(bytes).values)) << name.toStdString();
  }
}

}  // namespace
