// Backups of transfers: names, never replacing a file, listing, pruning by the
// date in the name, and opening a backup as a new document.
#include "datafile/backups.h"

#include <gtest/gtest.h>

#include "config/defaults.h"
#include "datafile/install_layout.h"
#include "datafile/test_support.h"
#include "datafile/working_copy.h"
#include "image/image_file.h"
#include "shell/startup_core.h"
#include "support/program_folder.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

const LocalTime kWhen{{2026, 12, 8}, 14, 15, 3};

struct BackupDocument : EditedDocument {
  BackupDocument() { SetDefaultValues(config, document, Date{2026, 12, 8}); }
};

MemoryImage ImageOf(RadioConfig cfg) {
  MemoryImage image;
  EncodeImage(cfg, image);
  return image;
}

std::vector<std::string> NamesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& item : fs::directory_iterator(folder)) names.push_back(item.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(BackupNames, CarryTimeKindAndCopyAndRefuseEveryOtherName) {
  EXPECT_EQ(BackupStem(kWhen, BackupKind::Read, 1), "2026-12-08_141503_read");
  EXPECT_EQ(BackupStem({{2027, 1, 2}, 3, 4, 5}, BackupKind::Write, 12), "2027-01-02_030405_write-12");

  auto name = ParseBackupName("2027-01-02_030405_write-12.bin");
  ASSERT_TRUE(name);
  EXPECT_EQ(name->kind, BackupKind::Write);
  EXPECT_EQ(name->copy, 12);
  EXPECT_EQ(name->extension, "bin");
  EXPECT_EQ(name->time.date.year, 2027);
  EXPECT_EQ(name->time.date.day, 2);
  EXPECT_EQ(name->time.hour, 3);
  EXPECT_EQ(name->time.second, 5);
  EXPECT_TRUE(ParseBackupName("2026-12-08_141503_read.fre"));

  for (const char* foreign :
       {"notes.txt", "radio.dat", "2026-12-08_141503_read.txt", "2026-12-08_141503_read", "2026-13-08_141503_read.bin",
        "2026-02-30_141503_read.bin", "2026-12-08_241503_read.bin", "2026-12-08_141503_copy.bin",
        "2026-12-08_141503_read-1.bin", "2026-12-08_141503_read-02.bin", "2026-12-08_141503_read-x.bin",
        "2026-12-08-141503_read.bin", "+026-12-08_141503_read.bin", ".2026-12-08_141503_read.bin.Xy12Ab",
        "2026-12-08_141503_.bin"})
    EXPECT_FALSE(ParseBackupName(foreign)) << foreign;
}

TEST(Backups, AReadKeepsTheImageAndTheDataFilePairOfTheSameName) {
  test::TempFolder dir;
  BackupDocument read;
  read.config.Options.Tot() = 7;
  MemoryImage image = ImageOf(read.config);
  BackupResult result = BackUpRead(dir / "backups", kWhen, image, read.config, read.document);
  ASSERT_TRUE(result.ok);
  ASSERT_EQ(result.files.size(), 3u);
  EXPECT_EQ(result.files[0], dir / "backups" / "2026-12-08_141503_read.bin");
  EXPECT_EQ(NamesIn(dir / "backups"),
            (std::vector<std::string>{"2026-12-08_141503_read.bin", "2026-12-08_141503_read.dat",
                                      "2026-12-08_141503_read.fre"}));
  auto kept = LoadImageFile(result.files[0]);
  ASSERT_TRUE(kept);
  EXPECT_TRUE(*kept == image);

  BackupDocument opened;
  FileResult open = OpenBackup(result.files[1], test::V100Versions(), {}, opened);
  ASSERT_TRUE(open.ok());
  EXPECT_EQ(opened.config.Options.Tot(), 7);
  EXPECT_TRUE(IsUnchanged(opened.config, opened.working));
  // A later Save asks for a name instead of writing into the backups folder.
  EXPECT_TRUE(opened.document.untitled);
  EXPECT_EQ(opened.document.fileName, "2026-12-08_141503_read.dat");
}

TEST(Backups, NeverReplaceAFileButTakeTheNextFreeName) {
  test::TempFolder dir;
  fs::path folder = dir / "backups";
  fs::create_directories(folder);
  test::WriteText(folder / "2026-12-08_141503_write.bin", "somebody else's file");
  test::WriteText(folder / "2026-12-08_141503_read-2.fre", "left over");
  BackupDocument doc;
  MemoryImage image = ImageOf(doc.config);

  BackupResult write = BackUpWrite(folder, kWhen, image);
  ASSERT_TRUE(write.ok);
  EXPECT_EQ(write.files, std::vector<fs::path>{folder / "2026-12-08_141503_write-2.bin"});
  EXPECT_EQ(test::ReadText(folder / "2026-12-08_141503_write.bin"), "somebody else's file");

  ASSERT_TRUE(BackUpRead(folder, kWhen, image, doc.config, doc.document).ok);
  BackupResult third = BackUpRead(folder, kWhen, image, doc.config, doc.document);
  ASSERT_TRUE(third.ok);
  // "-2" has a stray channel file, so the second read of that second becomes "-3".
  EXPECT_EQ(third.files[0], folder / "2026-12-08_141503_read-3.bin");
  EXPECT_EQ(test::ReadText(folder / "2026-12-08_141503_read-2.fre"), "left over");
}

TEST(Backups, AFolderThatCannotBeMadeIsAFailureWithoutFiles) {
  test::TempFolder dir;
  test::WriteText(dir / "backups", "a file where the folder should be");
  BackupDocument doc;
  BackupResult result = BackUpRead(dir / "backups", kWhen, ImageOf(doc.config), doc.config, doc.document);
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.files.empty());
  EXPECT_EQ(test::ReadText(dir / "backups"), "a file where the folder should be");
}

TEST(Backups, AreListedNewestFirstWithWhatOpensThem) {
  test::TempFolder dir;
  fs::path folder = dir / "backups";
  fs::create_directories(folder);
  for (const char* name : {"2026-12-08_141503_read.bin", "2026-12-08_141503_read.dat", "2026-12-08_141503_read.fre",
                           "2026-12-08_141503_read-2.bin", "2025-01-31_235959_write.bin", "2026-12-09_000000_write.bin",
                           "radio.dat", "2027-01-01_000000_read.txt"})
    test::WriteText(folder / name, "x");
  std::vector<fs::path> files;
  for (const BackupEntry& entry : ListBackups(folder)) files.push_back(entry.file.filename());
  EXPECT_EQ(files, (std::vector<fs::path>{"2026-12-09_000000_write.bin", "2026-12-08_141503_read-2.bin",
                                          "2026-12-08_141503_read.dat", "2025-01-31_235959_write.bin"}));
  EXPECT_TRUE(ListBackups(dir / "missing").empty());
}

TEST(Backups, PruningGoesByTheDateInTheNameAndSparesOtherFiles) {
  test::TempFolder dir;
  fs::path folder = dir / "backups";
  fs::create_directories(folder);
  // All of them were written just now: only their names say how old they are.
  const std::vector<std::string> expired = {"2025-12-07_235959_read.bin", "2025-12-07_235959_read.dat",
                                            "2025-12-07_235959_read.fre", "2020-02-29_120000_write-4.bin"};
  const std::vector<std::string> kept = {"2025-12-08_000000_write.bin", "2026-12-08_141503_read.bin",
                                         "2027-06-01_000000_write.bin", "2001-01-01_old_notes.bin", "old.dat"};
  for (const auto& name : expired) test::WriteText(folder / name, "x");
  for (const auto& name : kept) test::WriteText(folder / name, "x");

  EXPECT_EQ(PruneBackups(folder, Date{2026, 12, 8}), 4);
  std::vector<std::string> sortedKept = kept;
  std::sort(sortedKept.begin(), sortedKept.end());
  EXPECT_EQ(NamesIn(folder), sortedKept);
  EXPECT_EQ(PruneBackups(dir / "missing", Date{2026, 12, 8}), 0);
}

TEST(Backups, TheProgramsStartPrunesAndTheToolsDoNot) {
  testing::ProgramFolder install;
  fs::path folder = install.layout().backupFolder;
  EXPECT_EQ(folder, install.root() / "language" / "backups");
  fs::create_directories(folder);
  test::WriteText(folder / "2001-01-01_000000_write.bin", "x");

  ProgramState state;
  StartupCore(install.layout(), 0x0409, Date{2026, 12, 8}, SettingsAccess::ReadOnly, state);
  EXPECT_TRUE(fs::exists(folder / "2001-01-01_000000_write.bin"));
  StartupCore(install.layout(), 0x0409, Date{2026, 12, 8}, SettingsAccess::ReadWrite, state);
  EXPECT_FALSE(fs::exists(folder / "2001-01-01_000000_write.bin"));
}

TEST(Backups, ARawImageOpensDecodedAndABadOneChangesNothing) {
  test::TempFolder dir;
  BackupDocument written;
  written.config.Options.Tot() = 9;
  ASSERT_TRUE(SaveImageFile(dir / "2026-12-08_141503_write.bin", ImageOf(written.config)));

  BackupDocument opened;
  opened.document.fileName = "/home/user/mine.dat";
  opened.document.untitled = false;
  WorkingCopy workingBefore = opened.working;
  FileResult result = OpenBackup(dir / "2026-12-08_141503_write.bin", test::V100Versions(), {}, opened);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(opened.config.Options.Tot(), 9);
  EXPECT_TRUE(opened.document.untitled);
  EXPECT_EQ(opened.document.fileName, "2026-12-08_141503_write.dat");
  // As after a read, the decoded configuration is not yet saved anywhere.
  EXPECT_FALSE(IsUnchanged(opened.config, opened.working));

  test::WriteText(dir / "short.bin", "not an image");
  BackupDocument untouched;
  untouched.config.Options.Tot() = 3;
  RadioConfig before = untouched.config;
  FileResult bad = OpenBackup(dir / "short.bin", test::V100Versions(), {}, untouched);
  EXPECT_EQ(bad.status, FileStatus::FileError);
  EXPECT_TRUE(untouched.config == before);
  EXPECT_EQ(untouched.document.fileName, "new.dat");
}

}  // namespace
}  // namespace zq
