// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Brenak.h"
#include "app/StartUp.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

// A freshly started main window, with a decimal comma.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator(QLatin1Char(','));
    CreateMainWindow(app, QStringLiteral("C:\\Calc"));
  }
  void TearDown() override { ResetDecimalSeparator(); }

  Form& form() { return app.form; }
  // The user's actions: "Name" clicks a control (marks an insulation mark),
  // "Name=row" selects a row.
  void Do(const std::vector<const char*>& steps) {
    for (const char* step : steps) {
      const QStringList parts = QString::fromLatin1(step).split(QLatin1Char('='));
      if (parts.size() == 2)
        form().UserSelect(parts[0], parts[1].toInt());
      else if (form().At(parts[0]).type == ControlType::RadioButton)
        form().UserCheck(parts[0]);
      else
        form().UserClick(parts[0]);
    }
  }
  // The names among the blank-separated `names` that are shown, in that order.
  QString Shown(const char* names) const {
    QStringList shown;
    for (const QString& n : QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts))
      if (app.form.Visible(n)) shown << n;
    return shown.join(QLatin1Char(' '));
  }

  RecordingMessageSink sink;
  Brenak app{sink};
};
