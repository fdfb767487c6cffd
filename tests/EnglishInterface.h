// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QTranslator>

// Puts the program's English translation in force for the life of the object
// (a test's scope) and takes it away after, so the tests that follow read the
// Spanish source texts again.
class EnglishInterface {
 public:
  EnglishInterface() {
    loaded_ = translator_.load(QStringLiteral("brenak_en"), QStringLiteral(":/i18n"));
    EXPECT_TRUE(loaded_) << "the English translation is not among the program's resources";
    if (loaded_) QCoreApplication::installTranslator(&translator_);
  }
  ~EnglishInterface() {
    if (loaded_) QCoreApplication::removeTranslator(&translator_);
  }
  EnglishInterface(const EnglishInterface&) = delete;
  EnglishInterface& operator=(const EnglishInterface&) = delete;

 private:
  QTranslator translator_;
  bool loaded_ = false;
};
