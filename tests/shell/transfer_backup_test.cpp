// Which transfers leave a backup, and the remembered "Verify after Write" choice.
#include "shell/transfer_backup.h"

#include <gtest/gtest.h>

#include "config/defaults.h"
#include "datafile/test_support.h"
#include "platform/ini_file.h"
#include "shell/user_settings.h"

namespace zq {
namespace {

const LocalTime kWhen{{2026, 12, 8}, 9, 0, 0};

TransferOutcome Outcome(TransferKind kind, bool success, bool blocksSent) {
  TransferOutcome outcome;
  outcome.kind = kind;
  outcome.success = success;
  outcome.blocksSent = blocksSent;
  return outcome;
}

TEST(TransferBackup, CompletedReadsAndWritesThatSentBlocksAreKept) {
  test::TempFolder dir;
  RadioConfig cfg;
  DocumentState doc;
  SetDefaultValues(cfg, doc, kWhen.date);
  MemoryImage image;

  EXPECT_FALSE(BackUpTransfer(Outcome(TransferKind::Read, false, false), dir.path(), kWhen, image, cfg, doc));
  EXPECT_FALSE(BackUpTransfer(Outcome(TransferKind::Write, false, false), dir.path(), kWhen, image, cfg, doc));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

  auto read = BackUpTransfer(Outcome(TransferKind::Read, true, false), dir.path(), kWhen, image, cfg, doc);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->files.size(), 3u);
  // A write that failed after sending blocks is kept: the radio holds some of it.
  auto partial = BackUpTransfer(Outcome(TransferKind::Write, false, true), dir.path(), kWhen, image, cfg, doc);
  ASSERT_TRUE(partial);
  EXPECT_EQ(partial->files, std::vector<std::filesystem::path>{dir / "2026-12-08_090000_write.bin"});
}

TEST(VerifyWriteSetting, IsReadAndStoredInTheSettingsFile) {
  test::TempFolder dir;
  auto file = dir / "mysetup.ini";
  test::WriteText(file, "[language]\r\nIsFirstRun=0\r\nCurrentLanguage=2\r\n");
  EXPECT_FALSE(ReadUserSettings(file, 0x0409).verifyWrite);
  ASSERT_TRUE(StoreVerifyWrite(file, true));
  EXPECT_EQ(ReadProfileString(file, "language", "VerifyWrite", ""), "1");
  UserSettings s = ReadUserSettings(file, 0x0409);
  EXPECT_TRUE(s.verifyWrite);
  EXPECT_EQ(s.language, 2);
  ASSERT_TRUE(StoreVerifyWrite(file, false));
  EXPECT_FALSE(ReadUserSettings(file, 0x0409).verifyWrite);
  test::WriteText(file, "[language]\r\nVerifyWrite=True\r\n");
  EXPECT_TRUE(ReadUserSettings(file, 0x0409).verifyWrite);
}

}  // namespace
}  // namespace zq
