#include <QCoreApplication>
#include <gtest/gtest.h>

// The core runs its tests under a QCoreApplication, without a display.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
