// zq4071-cli's backups and verified writes against zq4071-radiosim, run from a
// throw-away installation so the backups land in its own shared folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "child_process.h"
#include "datafile/backups.h"
#include "image/image_file.h"
#include "link/test_images.h"
#include "support/program_folder.h"

namespace zq {
namespace {

using test::OnlyRanges;
using test::PatternImage;

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::BackgroundProgram;
using test::ProcessResult;
using test::RunProgram;

const fs::path kBuiltProgram = ZQ_PROGRAM_DIR;

class BackupCli : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(kBuiltProgram / "zq4071-cli", install.program() / "zq4071-cli");
    ASSERT_TRUE(SaveImageFile(File("radio.bin"), PatternImage()));
  }
  std::string File(const std::string& name) const { return (install.root() / name).string(); }
  fs::path Backups() const { return install.layout().backupFolder; }

  std::unique_ptr<BackgroundProgram> StartRadio(std::vector<std::string> options) {
    options.insert(options.begin(), (kBuiltProgram / "zq4071-radiosim").string());
    auto radio = std::make_unique<BackgroundProgram>(options);
    EXPECT_TRUE(radio->firstLine().starts_with("/dev/")) << radio->firstLine();
    return radio;
  }
  ProcessResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), (install.program() / "zq4071-cli").string());
    return RunProgram(args, 30s);
  }
  ProcessResult Transfer(const std::string& command, const std::string& port, std::vector<std::string> more) {
    more.insert(more.begin(), {command, "--port", port, "--language", "1"});
    return Cli(more);
  }
  std::vector<BackupEntry> Listed() const { return ListBackups(Backups()); }

  testing::ProgramFolder install;
};

TEST_F(BackupCli, AVerifiedWriteFailsOnARadioThatLosesABlockAndAPlainOneDoesNot) {
  {
    // Frame 3 carries block 0x00000.
    auto radio = StartRadio({"--lose-block", "3"});
    ProcessResult write = Transfer("write", radio->firstLine(), {"--image", File("radio.bin"), "--verify"});
    EXPECT_EQ(write.exitCode, 14) << write.err;
    EXPECT_EQ(write.out, "");
    EXPECT_NE(write.err.find("first at address 0x00000 (1 of 1872 blocks differ)"), std::string::npos) << write.err;
  }
  {
    auto radio = StartRadio({"--lose-block", "3", "--exit-after-transfer"});
    ProcessResult write = Transfer("write", radio->firstLine(), {"--image", File("radio.bin")});
    EXPECT_EQ(write.exitCode, 0) << write.err;
    EXPECT_EQ(write.out, "Write Data Completed.\n");
  }
  // Both writes sent the image; each is kept, the failed one too.
  auto entries = Listed();
  ASSERT_EQ(entries.size(), 2u);
  for (const BackupEntry& entry : entries) {
    EXPECT_EQ(entry.kind, BackupKind::Write);
    auto kept = LoadImageFile(entry.file);
    ASSERT_TRUE(kept);
    EXPECT_TRUE(*kept == PatternImage());
  }
}

TEST_F(BackupCli, AReadIsKeptAsImageAndDataFilesUnlessToldNot) {
  {
    auto radio = StartRadio({"--image", File("radio.bin"), "--exit-after-transfer"});
    ProcessResult read = Transfer("read", radio->firstLine(), {"-o", File("read.dat")});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(read.out, "Read Data Completed.\n");
    EXPECT_NE(read.err.find("Backup saved: " + Backups().string()), std::string::npos) << read.err;
  }
  auto entries = Listed();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].kind, BackupKind::Read);
  EXPECT_EQ(entries[0].file.extension(), ".dat");
  auto kept = LoadImageFile(fs::path(entries[0].file).replace_extension(".bin"));
  ASSERT_TRUE(kept);
  EXPECT_TRUE(*kept == OnlyRanges(PatternImage()));
  // The data file pair of the backup holds what the output pair holds.
  EXPECT_EQ(fs::file_size(entries[0].file), fs::file_size(File("read.dat")));
  EXPECT_EQ(fs::file_size(fs::path(entries[0].file).replace_extension(".fre")), fs::file_size(File("read.fre")));

  ProcessResult listed = Cli({"backups"});
  EXPECT_EQ(listed.exitCode, 0);
  EXPECT_NE(listed.out.find("  read  " + entries[0].file.string() + "\n"), std::string::npos) << listed.out;

  {
    auto radio = StartRadio({"--image", File("radio.bin"), "--exit-after-transfer"});
    ProcessResult read = Transfer("read", radio->firstLine(), {"--image", File("read.bin"), "--no-backup"});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(read.err.find("Backup"), std::string::npos) << read.err;
  }
  EXPECT_EQ(Listed().size(), 1u);
}

TEST_F(BackupCli, ABackupThatCannotBeWrittenLeavesTheReadAsItIs) {
  fs::create_directories(Backups().parent_path());
  std::ofstream(Backups()) << "a file where the folder should be";
  auto radio = StartRadio({"--image", File("radio.bin"), "--exit-after-transfer"});
  ProcessResult read = Transfer("read", radio->firstLine(), {"--image", File("read.bin")});
  EXPECT_EQ(read.exitCode, 0) << read.err;
  EXPECT_EQ(read.out, "Read Data Completed.\n");
  EXPECT_NE(read.err.find("The backup could not be saved in " + Backups().string()), std::string::npos) << read.err;
  EXPECT_TRUE(LoadImageFile(File("read.bin")));
}

}  // namespace
}  // namespace zq
