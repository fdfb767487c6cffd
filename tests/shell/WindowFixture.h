#pragma once

#include "shell/Brenak.h"
#include "shell/NumberFormat.h"
#include "shell/StartUp.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <initializer_list>

// A freshly started main window, decimal separator chosen by the test.
class WindowTest : public ::testing::Test {
 protected:
  void Start(QChar separator = QLatin1Char(',')) {
    SetDecimalSeparator(separator);
    CreateMainWindow(app, QStringLiteral("C:\\Calc"));
    sink.shown.clear();
  }
  void SetUp() override { Start(); }
  void TearDown() override { ResetDecimalSeparator(); }

  Form& form() { return app.form; }
  // The names among `names` that are shown.
  QStringList ShownOf(std::initializer_list<const char*> names) const {
    QStringList shown;
    for (const char* n : names)
      if (app.form.Visible(QString::fromLatin1(n))) shown << QString::fromLatin1(n);
    return shown;
  }

  RecordingMessageSink sink;
  Brenak app{sink};
};
