// zq4071-cli backups: the backups of reads and writes, newest first.
#include <iostream>

#include "commands.h"
#include "data_commands.h"
#include "datafile/backups.h"
#include "platform/time_text.h"

namespace zq::cli {
namespace {

}  // namespace

void AddBackupsCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("backups", Say(Txt::CliBackupsHelp));
  cmd->callback([&exitCode] {
    const auto& folder = Layout().backupFolder;
    auto entries = ListBackups(folder);
    if (entries.empty()) std::cout << FillIn(Say(Txt::NoBackups), {folder.string()}) << '\n';
    for (const BackupEntry& entry : entries) {
      std::string kind = Say(entry.kind == BackupKind::Read ? Txt::BackupKindRead : Txt::BackupKindWrite);
      std::cout << TimeText(entry.time) << "  " << kind << "  " << entry.file.string() << '\n';
    }
    exitCode = kOk;
  });
}

}  // namespace zq::cli
