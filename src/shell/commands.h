#pragma once
// The main window's commands: menu captions, shortcuts, toolbar buttons.
// The window builds its menus and toolbar from this table.
#include <string_view>
#include <vector>

#include "text/language_table.h"

namespace zq {

enum class Command {
  New,
  Open,
  OpenBackup,
  Save,
  SaveAs,
  Print,
  PrintToPdf,
  CompareWithFile,
  Exit,
  Undo,
  Redo,
  ChannelInformation,
  OptionFeatures,
  RogerBeep,
  ReadFromRadio,
  WriteToRadio,
  VerifyAfterWrite,
  WriteToGroup,
  CompareWithRadio,
  CommunicationPort,
  LanguageSetup,
  InitialSetting,
  TreeView,
  Toolbar,
  StatusBar,
  Cascade,
  CloseAllWindows,
  CheckConnection,
  About,
};

struct CommandDef {
  Command id;
  Txt caption;
  std::string_view shortcut;    // "Ctrl+N", alternatives separated by "; ", or empty
  std::string_view toolbarKey;  // the toolbar button's key, or empty when it has none
  bool checkable = false;       // shown with a check mark, on at start unless a setting says otherwise
};

struct MenuDef {
  Txt caption;
  std::vector<Command> commands;
  bool windowList = false;                // the open child windows follow the commands
  std::vector<Command> separatorsBefore;  // entries that begin a section of the menu
};

const std::vector<CommandDef>& CommandTable();
const CommandDef& CommandOf(Command id);
const std::vector<MenuDef>& MenuTable();
// Toolbar buttons from left to right.
const std::vector<Command>& ToolbarCommands();

}  // namespace zq
