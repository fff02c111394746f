#pragma once
// The list-edit menu of the main window: its five row commands in menu order,
// their captions, and one entry point that runs a command on a row of the
// channel grid (row_commands.h holds the rules).
#include <span>

#include "channels/row_commands.h"
#include "text/language_table.h"

namespace zq {

enum class RowCommand { Copy, Cut, Paste, InsertPaste, Delete };

struct RowCommandDef {
  RowCommand id;
  Txt caption;
};

std::span<const RowCommandDef> RowCommandTable();

// Runs the command on `row` of the shown band and group; `changed` when the
// configuration or the clipboard changed.
RowResult RunRowCommand(RowCommand command, RadioConfig& cfg, RowClipboard& clipboard, BandGroup group, int row);

}  // namespace zq
