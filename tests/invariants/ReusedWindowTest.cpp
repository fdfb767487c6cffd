// SPDX-License-Identifier: GPL-3.0-or-later
// A window reused across project files (the fuzzers open thousands on one)
// must leave nothing of one file to the next: every file of tests/cases opened
// after every other gives the window that opening it on a new one gives.
#include "ReusedWindow.h"

#include "app/ProjectCommands.h"
#include "app/StartUp.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>
#include <QDir>

#include <string>

namespace {

bool Same(const Control& a, const Control& b) {
  return a.name == b.name && a.type == b.type && a.parent == b.parent && a.text == b.text && a.hint == b.hint &&
         a.items == b.items && a.itemEnabled == b.itemEnabled && a.itemHints == b.itemHints && a.index == b.index &&
         a.checked == b.checked && a.visible == b.visible && a.enabled == b.enabled && a.readOnly == b.readOnly &&
         a.hasState == b.hasState && a.state == b.state && a.captionRed == b.captionRed;
}

bool Same(const ChartModel& a, const ChartModel& b) {
  return a.visible == b.visible && a.legendVisible == b.legendVisible && a.title == b.title &&
         a.bottomAxis == b.bottomAxis && a.leftAxis == b.leftAxis && a.series == b.series;
}

// The first parts in which two windows differ, empty when none.
std::string Differences(const Brenak& a, const std::vector<Message>& aShown, const Brenak& b,
                        const std::vector<Message>& bShown) {
  std::string out;
  const auto& ca = a.form.Controls();
  const auto& cb = b.form.Controls();
  if (ca.size() != cb.size()) return "a different number of controls";
  for (size_t i = 0; i < ca.size(); ++i)
    if (!Same(ca[i], cb[i]))
      out += " control " + ca[i].name.toStdString() + " (\"" + ca[i].text.toStdString() + "\" / \"" +
             cb[i].text.toStdString() + "\")";
  if (!Same(a.chart, b.chart)) out += " chart";
  if (a.kind != b.kind) out += " element kind";
  if (a.absurdData != b.absurdData) out += " absurd-data flag";
  if (bool(a.projectLoading) != bool(b.projectLoading) ||
      a.projectLoading.JustOpened() != b.projectLoading.JustOpened())
    out += " loading flag";
  if (a.interiorLaminar != b.interiorLaminar || a.exteriorLaminar != b.exteriorLaminar) out += " convection regimes";
  if (a.chooserTarget != b.chooserTarget || a.materialTarget != b.materialTarget ||
      a.emissionTarget != b.emissionTarget)
    out += " chooser targets";
  if (a.projectPath != b.projectPath || a.modified != b.modified) out += " document";
  if (aShown.size() != bShown.size()) {
    out += " messages: " + std::to_string(aShown.size()) + " / " + std::to_string(bShown.size());
  } else {
    for (size_t i = 0; i < aShown.size(); ++i)
      if (aShown[i].caption != bShown[i].caption || aShown[i].text != bShown[i].text)
        out += " message " + std::to_string(i) + ": " + aShown[i].text.toStdString();
  }
  return out;
}

class ReusedWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(QLatin1Char('.')); }
  void TearDown() override { ResetDecimalSeparator(); }
};

TEST_F(ReusedWindowTest, EveryCaseAfterEveryOtherOpensAsOnANewWindow) {
  const QDir cases(QStringLiteral(BRENAK_GOLDEN_CASES));
  const QStringList files = cases.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
  ASSERT_GE(files.size(), 2) << cases.path().toStdString();

  ReusedWindow reused(cases.path());
  // Opening the case on a new window, and opening it on the reused window after each other case.
  for (const QString& second : files) {
    RecordingMessageSink newSink;
    Brenak created(newSink);
    CreateMainWindow(created, cases.path());
    const bool opened = OpenProjectFile(created, cases.filePath(second));
    for (const QString& first : files) {
      if (first == second) continue;
      OpenProjectFile(reused.Fresh(), cases.filePath(first));
      Brenak& app = reused.Fresh();
      EXPECT_EQ(OpenProjectFile(app, cases.filePath(second)), opened);
      EXPECT_EQ(Differences(app, reused.Messages().shown, created, newSink.shown), "")
          << first.toStdString() << ", then " << second.toStdString();
    }
  }
}

// Whatever a case and the user leave on the window (typed text, the regimes
// of the last calculation, a chooser's target), the reset gives back the
// window CreateMainWindow makes; the comparison tells the two apart before it.
TEST_F(ReusedWindowTest, TheResetUndoesWhatACaseLeft) {
  const QDir cases(QStringLiteral(BRENAK_GOLDEN_CASES));
  RecordingMessageSink newSink;
  Brenak created(newSink);
  CreateMainWindow(created, cases.path());

  ReusedWindow reused(cases.path());
  for (const QString& name : cases.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
    Brenak& app = reused.Fresh();
    OpenProjectFile(app, cases.filePath(name));
    app.form.UserType(QStringLiteral("EditTi"), QStringLiteral("99"));
    app.interiorLaminar = !app.interiorLaminar;
    app.chooserTarget = 3;
    EXPECT_NE(Differences(app, reused.Messages().shown, created, newSink.shown), "") << name.toStdString();
    reused.Fresh();
    EXPECT_EQ(Differences(app, reused.Messages().shown, created, newSink.shown), "") << name.toStdString();
  }
}

}  // namespace
