#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// Qt keeps some process-wide allocations until exit; the leak checker would
// report them for every test binary that starts a QApplication.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
