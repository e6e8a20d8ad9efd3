// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the GUI tests on the offscreen platform unless a platform is given.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryFile>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const QString runtime = QDir::tempPath() + QStringLiteral("/brelvox-ui-tests-runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  }
#if defined(BRELVOX_TEST_TWO_SCREENS) || defined(BRELVOX_TEST_FRACTIONAL_SCREENS)
  QTemporaryFile config;  // read while the application starts
  if (config.open()) {
#ifdef BRELVOX_TEST_TWO_SCREENS
    // Two screens side by side: the first, where windows open, with two
    // device pixels per logical one, the second with one.
    config.write(R"({"screens": [
      {"name": "two", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96},
      {"name": "one", "x": 1920, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96}]})");
    qputenv("QT_SCREEN_SCALE_FACTORS", "two=2;one=1");
#else
    // Two screens of 1.25 and 1.5 device pixels per logical one, large
    // enough for the standard board at its usual cell size.
    config.write(R"({"screens": [
      {"name": "five4", "x": 0, "y": 0, "width": 2560, "height": 1440, "logicalDpi": 96},
      {"name": "three2", "x": 2560, "y": 0, "width": 2560, "height": 1440, "logicalDpi": 96}]})");
    qputenv("QT_SCREEN_SCALE_FACTORS", "five4=1.25;three2=1.5");
#endif
    config.flush();
  }
  qputenv("QT_QPA_PLATFORM",
          (QStringLiteral("offscreen:configfile=") + config.fileName()).toLocal8Bit());
#endif
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
