// SPDX-License-Identifier: GPL-3.0-or-later
// Whole calculations of generated projects give the same outcome, to the last
// bit of every figure and the last word of every message, with the engine's
// thickness and economic searches and with walks through every step of 0.1 mm.
#include "ProjectGenerator.h"

#include "app/Brenak.h"
#include "app/CalculationInputs.h"
#include "app/ProjectCommands.h"
#include "app/StartUp.h"
#include "engine/CalcOutcome.h"
#include "engine/OutcomeFingerprint.h"
#include "engine/SteppingThicknessSearch.h"
#include "form/MessageSink.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <string>

namespace {

// Projects 1 .. kProjects of the generator; BRENAK_SEARCH_PROJECTS asks for
// more in a longer run.
constexpr int kProjects = 800;

TEST(ThicknessSearchIdentity, WholeCalculationsOfGeneratedProjectsAgreeWithTheWalk) {
  SetDecimalSeparator(QLatin1Char('.'));
  bool ok = false;
  const int asked = qEnvironmentVariableIntValue("BRENAK_SEARCH_PROJECTS", &ok);
  const int count = ok && asked > 0 ? asked : kProjects;
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("project.txt"));
  RecordingMessageSink sink;
  Brenak app(sink);
  CreateMainWindow(app, dir.path());
  // Searched calculations by element (kind * 10 + pipe placing) and condition.
  std::map<std::pair<int, int>, int> compared;
  for (std::uint32_t n = 1; n <= static_cast<std::uint32_t>(count); ++n) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(NumberedProject(n).toUtf8());
    file.close();
    if (!OpenProjectFile(app, path)) continue;
    const CalcInputs in = ReadCalcInputs(app);
    const bool economic = in.thicknessTarget && in.condition == DesignCondition::Economic;
    if (!in.thicknessTarget || !(in.IsPipe() || in.IsSphere() || economic)) continue;
    const std::string searched = Fingerprint(Calculate(in)).Text();
    const std::string walked = Fingerprint(Calculate(in, SteppingThicknessSearch, EconomicSteps::WorkOutEvery)).Text();
    ASSERT_EQ(searched, walked) << "generated project " << n << " (brenak_generate_projects 1 DIR " << n << ")";
    ++compared[{int(in.kind) * 10 + (in.IsPipe() ? in.pipePlacing : 0), int(in.condition)}];
  }
  ResetDecimalSeparator();
  // Every condition a pipe in air, a buried pipe or a sphere searches for
  // comes up, and the economic search of every element kind.
  int pipeInAir = 0, buried = 0, sphere = 0, economicKinds = 0;
  for (const auto& [key, runs] : compared) {
    if (key.second == int(DesignCondition::Economic)) {
      ++economicKinds;
      continue;
    }
    const int element = key.first;
    pipeInAir += element == 20 || element == 21;
    buried += element == 22 || element == 23;
    sphere += element == 30;
  }
  std::printf(
      "Compared %d searched calculations of %d generated projects\n",
      [&] {
        int total = 0;
        for (const auto& entry : compared) total += entry.second;
        return total;
      }(),
      count);
  EXPECT_GE(pipeInAir, 2 * 7);  // conditions 0-2 and 4-7, vertical and horizontal
  EXPECT_GE(buried, 2 * 3);     // conditions 0-2, with and without a box
  EXPECT_GE(sphere, 5);         // conditions 0-2, 4 and 5
  EXPECT_GE(economicKinds, 5);  // plate, pipe in air, buried pipe, sphere, duct or tank
}

}  // namespace
