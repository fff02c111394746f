// zq4071-cli backups: the backups of reads and writes, newest first.
#include <cstdio>
#include <iostream>

#include "commands.h"
#include "data_commands.h"
#include "datafile/backups.h"
#include "platform/utf8_path.h"

namespace zq::cli {
namespace {

std::string When(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.date.year, t.date.month, t.date.day, t.hour,
                t.minute, t.second);
  return text;
}

}  // namespace

void AddBackupsCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("backups", Say(Txt::CliBackupsHelp));
  cmd->callback([&exitCode] {
    const auto& folder = Layout().backupFolder;
    auto entries = ListBackups(folder);
    if (entries.empty()) std::cout << FillIn(Say(Txt::NoBackups), {Utf8OfPath(folder)}) << '\n';
    for (const BackupEntry& entry : entries) {
      std::string kind = Say(entry.kind == BackupKind::Read ? Txt::BackupKindRead : Txt::BackupKindWrite);
      std::cout << When(entry.time) << "  " << kind << "  " << Utf8OfPath(entry.file) << '\n';
    }
    exitCode = kOk;
  });
}

}  // namespace zq::cli
