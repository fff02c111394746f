#pragma once
// A main window on a throw-away installation, with scripted message boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <memory>

#include "platform/local_date.h"
#include "shell/app_state.h"
#include "shell/ui/frm_main.h"
#include "support/program_folder.h"
#include "support/qstring_print.h"
#include "support/scripted_prompter.h"

namespace zq::testing {

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings(QStringLiteral("ZQ4071"), QStringLiteral("ZQ4071")).clear();
    StartMainWindow();
  }
  void TearDown() override {
    main.reset();
    QApplication::processEvents();
  }

  // Runs start-up as the program does, with the given system locale.
  void StartMainWindow(unsigned systemLocaleId = 0x0409) {
    main.reset();
    state = std::make_unique<AppState>();
    state->layout = folder.layout();
    state->systemLocaleId = systemLocaleId;
    state->systemLanguage = SystemLanguageOf(systemLocaleId);
    StartupCore(state->layout, systemLocaleId, LocalToday(), SettingsAccess::ReadWrite, *state);
    main = std::make_unique<frmMain>(*state);
  }

  AppState& app() { return *state; }

  ProgramFolder folder;
  ScriptedPrompter prompter;
  std::unique_ptr<AppState> state;
  std::unique_ptr<frmMain> main;
};

}  // namespace zq::testing
