// zq4071-cli backups: the backups of reads and writes, newest first.
#include <iostream>

#include "commands.h"
#include "data_commands.h"
#include "datafile/backups.h"
#include "platform/time_text.h"
#include "platform/utf8_path.h"

namespace zq::cli {

void AddBackupsCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("backups", Say(Txt::CliBackupsHelp));
  cmd->callback([&exitCode] {
    const auto& folder = Layout().backupFolder;
    auto entries = ListBackups(folder);
    if (entries.empty()) std::cout << FillIn(Say(Txt::NoBackups), {Utf8OfPath(folder)}) << '\n';
    for (const BackupEntry& entry : entries) {
      std::string kind = Say(entry.kind == BackupKind::Read ? Txt::BackupKindRead : Txt::BackupKindWrite);
      std::cout << TimeText(entry.time) << "  " << kind << "  " << Utf8OfPath(entry.file) << '\n';
    }
    exitCode = kOk;
  });
}

}  // namespace zq::cli
