// SPDX-License-Identifier: GPL-3.0-or-later
// The English window on a 1366×768 screen: English captions take another
// room than the Spanish ones they stand for, so every project of tests/cases
// and every element kind and variant must still show everything, with no
// scroll bar and no text cut short.

#include "EnglishInterface.h"
#include "WindowFixture.h"

#include "app/ProjectCommands.h"
#include "gui/LayoutCheck.h"

#include <QDir>
#include <memory>

namespace {

// The small screen less the desktop's panel and the window's frame.
const QSize kSmallScreen(1366, 700);

std::vector<std::string> CaseFiles() {
  std::vector<std::string> files;
  for (const QString& name : QDir(QStringLiteral(BRENAK_CASES_DIR)).entryList({QStringLiteral("*.txt")}, QDir::Files))
    files.push_back(name.toStdString());
  return files;
}

// The window is built with the English translation in force: its texts are
// translated as it is made.
class EnglishFitTest : public WindowTest {
 protected:
  static void SetUpTestSuite() { english = std::make_unique<EnglishInterface>(); }
  static void TearDownTestSuite() { english.reset(); }

  LayoutReport MeasureSmallScreen() {
    window->resize(kSmallScreen);
    window->Sync();
    SettleLayouts();
    return CheckLayout(window.get());
  }

  static inline std::unique_ptr<EnglishInterface> english;
};

class EnglishCaseFitTest : public EnglishFitTest, public ::testing::WithParamInterface<std::string> {};

}  // namespace

TEST_P(EnglishCaseFitTest, ShowsEverythingWithoutScrolling) {
  OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/") + QString::fromStdString(GetParam()));
  const LayoutReport report = MeasureSmallScreen();
  EXPECT_TRUE(report.Fits()) << report.Json().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, EnglishCaseFitTest, ::testing::ValuesIn(CaseFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param.substr(0, info.param.find('.'));
                         });

// Each element kind and variant, with the heat flow and the thickness as the
// target and both surface coefficients calculated.
TEST_F(EnglishFitTest, EveryVariantFitsTheSmallScreen) {
  struct Kind {
    const char* button;
    const char* variants;
    int count;
  };
  for (const Kind& kind : {Kind{"SpeedButton2", "RGTipoPared", 3}, Kind{"SpeedButton4", "RGTipoTuberias", 4},
                           Kind{"SpeedButton5", nullptr, 1}, Kind{"SpeedButton23", "RGTipoOtros", 3}}) {
    for (int variant = 0; variant < kind.count; ++variant) {
      for (int target = 0; target <= 1; ++target) {
        SCOPED_TRACE(std::string(kind.button) + " variant " + std::to_string(variant) + " target " +
                     std::to_string(target));
        app.form.UserClick(kind.button);
        if (kind.variants) app.form.UserSelect(kind.variants, variant);
        app.form.UserSelect("RadioGroupCalcular", target);
        app.form.UserSelect("RGhi", 2);
        app.form.UserSelect("RGhe", 2);
        const LayoutReport report = MeasureSmallScreen();
        EXPECT_TRUE(report.Fits()) << report.Json().toStdString();
      }
    }
  }
}
