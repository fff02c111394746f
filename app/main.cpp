// zq4071: the desktop program. Start-up runs in the order the program has
// always used: version list, settings, default configuration, language, main window.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>

#include "datafile/install_layout.h"
#include "link/port_settings.h"
#include "platform/diagnostic_log.h"
#include "platform/local_date.h"
#include "platform/qt/standard_user_folders.h"
#include "platform/system_locale.h"
#include "shell/app_state.h"
#include "shell/demo_radio.h"
#include "shell/ui/first_paint.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/transfer_controller.h"
#include "widgets/prompter.h"
#include "widgets/qt_paths.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZQ4071"));
  QApplication::setOrganizationName(QStringLiteral("ZQ4071"));
  // The desktop matches windows to the menu entry by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.zq4071.programmer"));
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);
  // Every number the program shows or reads uses "."; the user's own locale is left alone.
  QLocale::setDefault(QLocale::c());

  QCommandLineParser options;
  options.addHelpOption();
  QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Offer a simulated radio on the port list."));
  QCommandLineOption instant(QStringLiteral("demo-instant"),
                             QStringLiteral("With --demo: the simulated radio answers at once, not at cable speed."));
  QCommandLineOption firstPaint(QStringLiteral("exit-after-first-paint"),
                                QStringLiteral("Print the memory in use once the main window is painted, then end "
                                               "(for the start-up benchmark)."));
  options.addOption(demo);
  options.addOption(instant);
  options.addOption(firstPaint);
  options.process(app);

  zq::AppState state;
  state.layout = zq::LayoutOf(zq::PathOfQString(QApplication::applicationDirPath()), zq::StandardUserFolders());
  state.systemLocaleId = zq::SystemLocaleId();
  state.systemLanguage = zq::SystemLanguageOf(state.systemLocaleId);
  zq::StartupCore(state.layout, state.systemLocaleId, zq::LocalToday(), zq::SettingsAccess::ReadWrite, state);
  state.namedDevice = zq::ReadNamedDevice(state.layout.settingsFile);
  zq::OpenDiagnosticLog(state.layout.diagnosticLog);

  zq::MessageBoxPrompter prompter(state.settings.language);
  zq::SetPrompter(&prompter);

  zq::frmMain window(state);
  if (options.isSet(demo)) {
    window.transfers().AttachDemoRadio(zq::MakeDemoRadio(state.layout.dataFolder, !options.isSet(instant)));
    window.SetStatusNote(zq::Txt::DemoStatus);
    window.Change_Language();
  }
  if (options.isSet(firstPaint)) zq::ExitAfterFirstPaint(window);
  window.show();
  int result = QApplication::exec();
  zq::SetPrompter(nullptr);
  return result;
}
