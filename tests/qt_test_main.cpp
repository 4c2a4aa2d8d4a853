// GoogleTest main for tests that need a QApplication. gtest_discover_tests
// runs the binary without the test's environment, so the offscreen platform
// is the default here rather than in CMake.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (std::getenv("QT_LOGGING_RULES") == nullptr) setenv("QT_LOGGING_RULES", "qt.multimedia*=false", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
