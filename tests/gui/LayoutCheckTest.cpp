// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a 1366×768 screen and on a 1920×1080 one: no scroll bar and
// no text cut short, for every project of tests/cases and for every element
// kind and variant with both targets and calculated coefficients; in Spanish,
// and in English on the small screen.

#include "EnglishInterface.h"
#include "WindowFixture.h"

#include "app/ProjectCommands.h"
#include "gui/LayoutCheck.h"

#include <QDir>
#include <QGroupBox>
#include <QVBoxLayout>
#include <functional>
#include <memory>
#include <ostream>
#include <tuple>

namespace {

// The size of the window once the desktop's panel and the window's frame are
// taken off the screen.
const QSize kSmallScreen(1366, 700);
const QSize kLargeScreen(1920, 1040);
// A 1366×768 screen whose desktop letter is scaled by 1.25 (120 dpi, a
// 10 pt letter): the window sees 1093×614, less the panel and its frame.
const QSize kScaledSmallScreen(1093, 560);

std::vector<std::string> CaseFiles() {
  std::vector<std::string> files;
  for (const QString& name : QDir(QStringLiteral(BRENAK_CASES_DIR)).entryList({QStringLiteral("*.txt")}, QDir::Files))
    files.push_back(name.toStdString());
  return files;
}

std::string Describe(const LayoutReport& report) { return report.Json().toStdString(); }

class FitTest : public WindowTest {
 protected:
  LayoutReport Measure(const QSize& size) {
    window->resize(size);
    window->Sync();
    SettleLayouts();
    return CheckLayout(window.get());
  }
  // Each element kind and variant, with the heat flow and the thickness as
  // the target, both surface coefficients calculated: on the small screen.
  void ExpectEveryVariantFits() {
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
          const LayoutReport report = Measure(kSmallScreen);
          EXPECT_TRUE(report.Fits()) << Describe(report);
        }
      }
    }
  }
};

class CaseFitTest : public FitTest, public ::testing::WithParamInterface<std::tuple<std::string, QSize>> {};

}  // namespace

TEST_P(CaseFitTest, ShowsEverythingWithoutScrolling) {
  const auto& [file, size] = GetParam();
  OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/") + QString::fromStdString(file));
  const LayoutReport report = Measure(size);
  EXPECT_EQ(report.size, size);
  EXPECT_TRUE(report.Fits()) << Describe(report);
}

INSTANTIATE_TEST_SUITE_P(Cases, CaseFitTest,
                         ::testing::Combine(::testing::ValuesIn(CaseFiles()),
                                            ::testing::Values(kSmallScreen, kLargeScreen)),
                         [](const ::testing::TestParamInfo<std::tuple<std::string, QSize>>& info) {
                           std::string name = std::get<0>(info.param);
                           name = name.substr(0, name.find('.'));
                           return name + "_" + std::to_string(std::get<1>(info.param).width());
                         });

// On the scaled small screen a long name or caption may be cut and the data
// may scroll down, but nothing scrolls sideways.
class ScaledScreenTest : public FitTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ScaledScreenTest, NeverScrollsSideways) {
  OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/") + QString::fromStdString(GetParam()));
  const LayoutReport report = Measure(kScaledSmallScreen);
  EXPECT_FALSE(report.horizontalScrollBar) << Describe(report);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScaledScreenTest, ::testing::ValuesIn(CaseFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param.substr(0, info.param.find('.'));
                         });

TEST_F(FitTest, EveryVariantFitsTheSmallScreen) { ExpectEveryVariantFits(); }

// The conditions that bring fields of their own: the economic data with three
// layers, the final water temperature and the freezing time of a pipe.
TEST_F(FitTest, ConditionsWithTheirOwnFieldsFitTheSmallScreen) {
  const QList<std::pair<const char*, std::function<void(Form&)>>> cases = {
      {"plate economic",
       [](Form& f) {
         f.UserClick("SpeedButton2");
         f.UserSelect("RadioGroupCondicionP", 3);
         f.UserSelect("ComboBox1", 2);
         f.UserSelect("RGhi", 2);
         f.UserSelect("RGhe", 2);
       }},
      {"pipe final temperature",
       [](Form& f) {
         f.UserClick("SpeedButton4");
         f.UserSelect("RadioGroupCondicionT", 6);
       }},
      {"pipe freezing",
       [](Form& f) {
         f.UserClick("SpeedButton4");
         f.UserSelect("RadioGroupCondicionT", 7);
       }},
      {"buried pipe in a box, six layers",
       [](Form& f) {
         f.UserClick("SpeedButton4");
         f.UserSelect("RGTipoTuberias", 3);
         f.UserSelect("ComboBox1", 5);
       }},
  };
  for (const auto& [name, act] : cases) {
    SCOPED_TRACE(name);
    act(app.form);
    const LayoutReport report = Measure(kSmallScreen);
    EXPECT_TRUE(report.Fits()) << Describe(report);
  }
}

// The check itself: a caption, a radio row, a field and a wrapped line cut by
// their widgets are each reported with the room they need and are given.
TEST(LayoutCheckTest, ReportsEveryTextItsWidgetCuts) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* caption = new QLabel(QStringLiteral("Coste aislamiento euros/m2"));
  caption->setObjectName(QStringLiteral("Cut"));
  caption->setFixedWidth(40);
  auto* fits = new QLabel(QStringLiteral("Cabe"));
  fits->setObjectName(QStringLiteral("Fits"));
  auto* group = new RadioGroupBox(1);
  group->setObjectName(QStringLiteral("Group"));
  group->SetItems({QStringLiteral("Sí"), QStringLiteral("Calcular (aire) con un texto largo")});
  group->setFixedWidth(90);
  auto* field = new QLineEdit(QStringLiteral("123456789012345"));
  field->setObjectName(QStringLiteral("Field"));
  field->setFixedWidth(50);
  auto* wrapped = new QLabel(QStringLiteral("una línea larga que se parte en varias al ancho de la etiqueta"));
  wrapped->setObjectName(QStringLiteral("Wrapped"));
  wrapped->setWordWrap(true);
  wrapped->setFixedSize(120, 16);
  for (QWidget* w : std::initializer_list<QWidget*>{caption, fits, group, field, wrapped}) layout->addWidget(w);
  window.show();
  SettleLayouts();

  const LayoutReport report = CheckLayout(&window);
  QStringList cut;
  for (const ClippedText& c : report.clipped) {
    cut << c.control;
    EXPECT_GT(c.needed, c.given) << c.control.toStdString();
  }
  EXPECT_EQ(cut, (QStringList{"Cut", "Group[1]", "Field", "Wrapped"}));
  EXPECT_FALSE(report.Fits());
  EXPECT_FALSE(report.horizontalScrollBar);

  // Given room, nothing is reported.
  for (QWidget* w : std::initializer_list<QWidget*>{caption, group, field, wrapped}) {
    w->setMinimumSize(0, 0);
    w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  window.resize(900, 400);
  SettleLayouts();
  EXPECT_TRUE(CheckLayout(&window).Fits()) << Describe(CheckLayout(&window));
}

// The results stand under the left column's options when it has room for
// them, and under the layer table when it has not.
TEST_F(FitTest, TheResultsGoWhereThereIsRoom) {
  auto left = [this] {
    return W("Panel5")->mapTo(window.get(), QPoint()).x() < W("Panel2")->mapTo(window.get(), QPoint()).x();
  };
  app.form.UserSelect("RadioGroupCalcular", 0);
  EXPECT_TRUE(Measure(kSmallScreen).Fits());
  EXPECT_TRUE(left());
  // A short window: the left column is full with its own options.
  Measure(QSize(1366, 430));
  EXPECT_FALSE(left());
  EXPECT_TRUE(Measure(kSmallScreen).Fits());
  EXPECT_TRUE(left());
}

// The English window: its captions take another room than the Spanish ones
// they stand for. The window is built with the English translation in force,
// since its texts are translated as it is made.
namespace {

class EnglishFitTest : public FitTest {
 protected:
  static void SetUpTestSuite() { english = std::make_unique<EnglishInterface>(); }
  static void TearDownTestSuite() { english.reset(); }
  static inline std::unique_ptr<EnglishInterface> english;
};

class EnglishCaseFitTest : public EnglishFitTest, public ::testing::WithParamInterface<std::string> {};

}  // namespace

TEST_P(EnglishCaseFitTest, ShowsEverythingOnTheSmallScreen) {
  OpenProjectFile(app, QStringLiteral(BRENAK_CASES_DIR "/") + QString::fromStdString(GetParam()));
  const LayoutReport report = Measure(kSmallScreen);
  EXPECT_TRUE(report.Fits()) << Describe(report);
}

INSTANTIATE_TEST_SUITE_P(Cases, EnglishCaseFitTest, ::testing::ValuesIn(CaseFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param.substr(0, info.param.find('.'));
                         });

TEST_F(EnglishFitTest, EveryVariantFitsTheSmallScreen) { ExpectEveryVariantFits(); }
