// Pipes and devices where a data file, a channel file, a CSV file or a JSON
// document belongs: nothing waits for a writer that may never come, and nothing
// is replaced by a plain file. Windows keeps no such files in its folders.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>

#include "channels/csv_channels.h"
#include "config/defaults.h"
#include "datafile/data_file.h"
#include "platform/atomic_file.h"
#include "support/cli_runner.h"
#include "test_support.h"

namespace zq {
namespace {

using test::DefaultDocument;
using test::Document;
using test::TempFolder;

TEST(SpecialFiles, APipeForTheChannelFileIsAFileErrorAndTheOpenDoesNotWait) {
  TempFolder dir;
  Document saved = DefaultDocument();
  ASSERT_TRUE(SaveDataFile(dir / "radio.dat", saved).ok());
  std::filesystem::remove(dir / "radio.fre");
  ASSERT_EQ(::mkfifo((dir / "radio.fre").c_str(), 0600), 0);
  Document d = DefaultDocument();
  d.config.Options.Tot() = 7;
  const RadioConfig before = d.config;
  VersionList versions{"V100", {"V100"}, {{"V100", "V100"}}};
  EXPECT_EQ(OpenDataFile(dir / "radio.dat", versions, d).status, FileStatus::FileError);
  EXPECT_TRUE(d.config == before);
}

// Run by a user with the rights, a save over a pipe or a device would put a plain file in its place.
TEST(SpecialFiles, SavesNeverReplaceAPipeOrADevice) {
  TempFolder dir;
  Document d = DefaultDocument();
  ASSERT_EQ(::mkfifo((dir / "pipe.fre").c_str(), 0600), 0);
  EXPECT_EQ(SaveDataFile(dir / "pipe.dat", d).status, FileStatus::FileError);
  EXPECT_FALSE(std::filesystem::exists(dir / "pipe.dat"));
  EXPECT_TRUE(std::filesystem::is_fifo(dir / "pipe.fre"));

  ASSERT_EQ(::mkfifo((dir / "image.bin").c_str(), 0600), 0);
  EXPECT_FALSE(WriteFileAtomically(dir / "image.bin", std::string_view("bytes")));
  EXPECT_TRUE(std::filesystem::is_fifo(dir / "image.bin"));
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 2) << "no temporary file may be left behind";
}

TEST(SpecialFiles, ADeviceIsNoChannelFileAndAPipeIsNotOpened) {
  TempFolder dir;
  auto pipe = dir / "pipe.csv";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  RadioConfig target = DefaultDocument().config;
  for (const auto& special : {std::filesystem::path("/dev/null"), pipe}) {
    CsvImportResult read = ImportChannelsCsvFile(target, {kHAM, 3}, special);
    ASSERT_TRUE(read.refusal) << special;
    EXPECT_EQ(read.refusal->text, Txt::CsvCannotRead) << special;
  }
}

TEST(SpecialFiles, TheCommandLineWaitsOnNoPipeAndReportsAFullDisk) {
  TempFolder dir;
  ASSERT_EQ(testing::RunCli(dir.path(), "new -o a.dat").exitCode, 0);
  ASSERT_EQ(::mkfifo((dir / "pipe.json").c_str(), 0600), 0);
  testing::CliRun pipe = testing::RunCli(dir.path(), "load-json pipe.json -o out.dat");
  EXPECT_EQ(pipe.exitCode, 3);
  EXPECT_EQ(pipe.err, "Cannot read the file: pipe.json\n");

  // Output to a full disk is a failure, not a silently cut document.
  const auto cli = std::filesystem::path(ZQ_PROGRAM_DIR) / "zq4071-cli";
  for (std::string command : {"dump a.dat", "export-csv a.dat --band CB --group 1", "info a.dat"}) {
    std::string line = "cd '" + dir.path().string() + "' && LC_ALL=C '" + cli.string() + "' " + command +
                       " >/dev/full 2>full.txt";
    int status = std::system(line.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 4) << command;
    EXPECT_EQ(test::ReadText(dir / "full.txt"), "Cannot write to standard output.\n") << command;
  }
}

}  // namespace
}  // namespace zq
