// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QGuiApplication>

// The core runs its tests without a display. A QGuiApplication on the
// offscreen platform gives the font database that drawing pictures and laying
// out report pages need.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
