// SPDX-License-Identifier: GPL-3.0-or-later
// The Spanish of what the program writes: every caption, list row and hint of
// the window, every message and result line, and every line and table cell of
// the report, after opening each project of tests/cases, must be free of the
// slips that once crept into them.
#include "app/ProjectCommands.h"
#include "app/WindowFixture.h"
#include "report/ReportTestSupport.h"
#include "report/ReportWriter.h"

#include <gtest/gtest.h>
#include <QDir>

namespace {

// Everything the program writes for the projects of tests/cases.
const QStringList& WrittenTexts() {
  static const QStringList texts = [] {
    QStringList all;
    const QDir cases(QStringLiteral(BRENAK_CASES_DIR));
    for (const QString& file : cases.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
      RecordingMessageSink sink;
      Brenak app{sink};
      CreateMainWindow(app, QStringLiteral("/opt/brenak"));
      OpenProjectFile(app, cases.filePath(file));
      for (const Control& c : app.form.Controls()) all << c.text << c.hint << c.items;
      for (const Message& m : sink.shown) all << m.caption << m.text;
      RecordingReportDocument doc;
      NamedPictures pictures;
      WriteReport(WindowReport(app), doc, pictures, QDateTime(QDate(2024, 5, 1), QTime(10, 32)));
      all << doc.Lines();
      for (const ReportTable& table : doc.tables)
        for (const QStringList& row : table.rows) all << row;
    }
    all.removeAll(QString());
    return all;
  }();
  return texts;
}

struct Slip {
  const char* name;
  const char* wrong;  // a fragment no text may hold
};

class ProgramTexts : public ::testing::TestWithParam<Slip> {};

TEST_P(ProgramTexts, HoldNoSlip) {
  ASSERT_GT(WrittenTexts().size(), 1000);
  const QString wrong = QString::fromUtf8(GetParam().wrong);
  for (const QString& text : WrittenTexts()) {
    EXPECT_FALSE(text.contains(wrong)) << text.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Spanish, ProgramTexts,
    ::testing::Values(Slip{"MillimetreUnit", " mmm"}, Slip{"Resistencia", "Resitencia"}, Slip{"Radiacion", "radición"},
                      Slip{"ConvectionRadiation", "convección_"}, Slip{"Inflacion", "nflacción"},
                      Slip{"Inversion", "Inversion"}, Slip{"Energia", "energia"}, Slip{"Tuberias", "Tuberias"},
                      Slip{"tuberia", "tuberia "}, Slip{"Rocio", "Rocio"}, Slip{"rocio", "rocio"}, Slip{"Mas", " mas "},
                      Slip{"SiWithoutAccent", "SI  ("}, Slip{"ColonBeforeEquals", ": = "},
                      Slip{"SpaceBeforeColon", " : "}, Slip{"AccentedOr", " ó "},
                      Slip{"AbbreviationWithoutSpace", "Coef.c"}, Slip{"InteriorInterior", "interior interior"},
                      Slip{"InteriorExterior", "relativa interior exterior"}, Slip{"DegreesJoined", "0ºC"},
                      Slip{"NoPercentageReduction", "Reducción con aislamiento"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
