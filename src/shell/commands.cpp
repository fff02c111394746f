#include "shell/commands.h"

#include <algorithm>
#include <stdexcept>

namespace zq {

const std::vector<CommandDef>& CommandTable() {
  static const std::vector<CommandDef> table = {
      {Command::New, Txt::MenuNew, "Ctrl+N", "1"},
      {Command::Open, Txt::MenuOpen, "Ctrl+O", "2"},
      {Command::OpenBackup, Txt::MenuOpenBackup, "", ""},
      {Command::Save, Txt::MenuSave, "", "3"},
      {Command::SaveAs, Txt::MenuSaveAs, "", ""},
      {Command::Print, Txt::MenuPrint, "Ctrl+P", ""},
      {Command::PrintToPdf, Txt::MenuPrintToPdf, "", ""},
      {Command::CompareWithFile, Txt::MenuCompareWithFile, "", ""},
      {Command::Exit, Txt::MenuExit, "", ""},
      {Command::Undo, Txt::MenuUndo, "Ctrl+Z", ""},
      {Command::Redo, Txt::MenuRedo, "Ctrl+Y; Ctrl+Shift+Z", ""},
      {Command::ChannelInformation, Txt::MenuChannelInformation, "", ""},
      {Command::OptionFeatures, Txt::MenuOptionFeatures, "", ""},
      {Command::RogerBeep, Txt::MenuRogerBeep, "", ""},
      {Command::ReadFromRadio, Txt::MenuReadFromRadio, "", "ReadRadio"},
      {Command::WriteToRadio, Txt::MenuWriteToRadio, "", "WriteRadio"},
      {Command::VerifyAfterWrite, Txt::MenuVerifyAfterWrite, "", "", true},
      {Command::WriteToGroup, Txt::MenuWriteToGroup, "", ""},
      {Command::CompareWithRadio, Txt::MenuCompareWithRadio, "", ""},
      {Command::CommunicationPort, Txt::MenuCommunicationPort, "", "CommSet"},
      {Command::LanguageSetup, Txt::MenuLanguageSetup, "", ""},
      {Command::InitialSetting, Txt::MenuInitialSetting, "", ""},
      {Command::TreeView, Txt::MenuTreeView, "", "", true},
      {Command::Toolbar, Txt::MenuToolbar, "", "", true},
      {Command::StatusBar, Txt::MenuStatusBar, "", "", true},
      {Command::Cascade, Txt::MenuCascade, "", ""},
      {Command::CloseAllWindows, Txt::MenuCloseAllWindows, "", ""},
      {Command::CheckConnection, Txt::MenuCheckConnection, "", ""},
      {Command::About, Txt::MenuAbout, "", "About"},
  };
  return table;
}

const CommandDef& CommandOf(Command id) {
  const auto& table = CommandTable();
  auto it = std::find_if(table.begin(), table.end(), [&](const CommandDef& d) { return d.id == id; });
  if (it == table.end()) throw std::logic_error("command without a table entry");
  return *it;
}

const std::vector<MenuDef>& MenuTable() {
  static const std::vector<MenuDef> menus = {
      {Txt::MenuFile,
       {Command::New, Command::Open, Command::OpenBackup, Command::Save, Command::SaveAs, Command::CompareWithFile,
        Command::Print, Command::PrintToPdf, Command::Exit},
       false,
       {Command::Exit}},
      {Txt::MenuEdit,
       {Command::Undo, Command::Redo, Command::ChannelInformation, Command::OptionFeatures, Command::RogerBeep},
       false,
       {Command::ChannelInformation}},
      {Txt::MenuProgram,
       {Command::ReadFromRadio, Command::WriteToRadio, Command::VerifyAfterWrite, Command::WriteToGroup,
        Command::CompareWithRadio}},
      {Txt::MenuSetup, {Command::CommunicationPort, Command::LanguageSetup, Command::InitialSetting}},
      {Txt::MenuView, {Command::TreeView, Command::Toolbar, Command::StatusBar}},
      {Txt::MenuWindow, {Command::Cascade, Command::CloseAllWindows}, true},
      {Txt::MenuHelp, {Command::CheckConnection, Command::About}, false, {Command::About}},
  };
  return menus;
}

const std::vector<Command>& ToolbarCommands() {
  static const std::vector<Command> buttons = {Command::New,          Command::Open,
                                               Command::Save,         Command::ReadFromRadio,
                                               Command::WriteToRadio, Command::CommunicationPort,
                                               Command::About};
  return buttons;
}

}  // namespace zq
