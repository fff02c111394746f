// Entry point of the window tests: one QApplication on the offscreen platform,
// settings kept apart from the user's, numbers in the C locale as in the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", "/tmp/zq4071-runtime");
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZQ4071"));
  QApplication::setOrganizationName(QStringLiteral("ZQ4071"));
  QLocale::setDefault(QLocale::c());
  // Each test process keeps window placement in a store of its own, so tests
  // run in parallel never see each other's values.
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
