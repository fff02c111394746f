// zq4071: the desktop program. Start-up runs in the order the program has
// always used: version list, settings, default configuration, language, main window.
#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include "datafile/install_layout.h"
#include "link/port_settings.h"
#include "platform/local_date.h"
#include "platform/system_locale.h"
#include "shell/app_state.h"
#include "shell/demo_radio.h"
#include "shell/ui/first_paint.h"
#include "shell/ui/frm_main.h"
#include "widgets/prompter.h"
#include "widgets/qt_paths.h"
#include "shell/ui/transfer_controller.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZQ4071"));
  QApplication::setOrganizationName(QStringLiteral("ZQ4071"));
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
  state.programFolder = zq::PathOfQString(QApplication::applicationDirPath());
  state.systemLocaleId = zq::SystemLocaleId();
  state.systemLanguage = zq::SystemLanguageOf(state.systemLocaleId);
  zq::StartupCore(state.programFolder, state.systemLocaleId, zq::LocalToday(), zq::SettingsAccess::ReadWrite, state);
  state.namedDevice = zq::ReadNamedDevice(zq::SettingsFileOf(state.programFolder));

  zq::MessageBoxPrompter prompter(state.settings.language);
  zq::SetPrompter(&prompter);

  zq::frmMain window(state);
  if (options.isSet(demo)) {
    window.transfers().AttachDemoRadio(zq::MakeDemoRadio(state.programFolder, !options.isSet(instant)));
    window.SetStatusNote(zq::Txt::DemoStatus);
    window.Change_Language();
  }
  if (options.isSet(firstPaint)) zq::ExitAfterFirstPaint(window);
  window.show();
  int result = QApplication::exec();
  zq::SetPrompter(nullptr);
  return result;
}
