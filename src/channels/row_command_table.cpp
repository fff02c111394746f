#include "channels/row_command_table.h"

namespace zq {
namespace {

constexpr RowCommandDef kRowCommands[] = {
    {RowCommand::Copy, Txt::RowCopy},     {RowCommand::Cut, Txt::RowCut},
    {RowCommand::Paste, Txt::RowPaste},   {RowCommand::InsertPaste, Txt::RowInsertPaste},
    {RowCommand::Delete, Txt::RowDelete},
};

}  // namespace

std::span<const RowCommandDef> RowCommandTable() { return kRowCommands; }

RowResult RunRowCommand(RowCommand command, RadioConfig& cfg, RowClipboard& clipboard, BandGroup group, int row) {
  switch (command) {
    case RowCommand::Copy: return {CopyRow(cfg, clipboard, group, row)};
    case RowCommand::Cut: return {CutRow(cfg, clipboard, group, row)};
    case RowCommand::Paste: return PasteRow(cfg, clipboard, group, row);
    case RowCommand::InsertPaste: return InsertPasteRow(cfg, clipboard, group, row);
    case RowCommand::Delete: return {DeleteRow(cfg, group, row)};
  }
  return {};
}

}  // namespace zq
