#include "shell/transfer_backup.h"

#include "platform/utf8_path.h"
#include "text/language_table.h"

namespace zq {

std::optional<BackupResult> BackUpTransfer(const TransferOutcome& outcome, const std::filesystem::path& folder,
                                           const LocalTime& when, const MemoryImage& image, const RadioConfig& cfg,
                                           const DocumentState& doc) {
  if (outcome.kind == TransferKind::Read && outcome.success) return BackUpRead(folder, when, image, cfg, doc);
  if (outcome.kind == TransferKind::Write && outcome.blocksSent) return BackUpWrite(folder, when, image);
  return std::nullopt;
}

std::string BackupFailedText(const std::filesystem::path& folder, int language) {
  return FillIn(Text(Txt::BackupFailed, language), {Utf8OfPath(folder)});
}

}  // namespace zq
