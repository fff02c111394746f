#include <gtest/gtest.h>

#include <set>
#include <string>

#include "config/defaults.h"
#include "datafile/data_file.h"
#include "platform/file_faults.h"
#include "test_support.h"

namespace zq {
namespace {

using test::DefaultDocument;
using test::Document;
using test::ReadBytes;
using test::TempFolder;

void SetChannels(RadioConfig& cfg, BandGroup group, const std::vector<const char*>& frequencies) {
  for (std::size_t k = 1; k <= frequencies.size(); ++k) {
    cfg.Channel(group, static_cast<int>(k)) = NewChannelRecord(static_cast<int>(k));
    cfg.Channel(group, static_cast<int>(k)).RxFrequency = frequencies[k - 1];
  }
  cfg.Count(group) = static_cast<int16_t>(frequencies.size());
}

std::set<std::string> FolderEntryNames(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// The old pair has two channels in each of the first two HF groups; the new one
// four in the first: a channel file of one beside the data file of the other
// reads the second group's channels from the wrong records.
struct TwoPairs {
  Document old = DefaultDocument();
  Document grown;
  TwoPairs() {
    SetChannels(old.config, {kHF, 1}, {"25100000", "25200000"});
    SetChannels(old.config, {kHF, 2}, {"26100000", "26200000"});
    PackForFile(old.config, old.document, old.working);
    grown = old;
    SetChannels(grown.config, {kHF, 1}, {"28100000", "28200000", "28300000", "28400000"});
  }
};

enum class Outcome { Old, New, Neither };

Outcome PairOnDisk(const std::filesystem::path& file, const TwoPairs& pairs, bool& finished) {
  Document opened = DefaultDocument();
  FileResult result = OpenDataFile(file, test::V100Versions(), opened);
  finished = result.finishedInterruptedSave;
  if (!result.ok()) return Outcome::Neither;
  if (IsUnchanged(opened.config, pairs.old.working)) return Outcome::Old;
  Document saved = pairs.grown;
  PackForFile(saved.config, saved.document, saved.working);
  return IsUnchanged(opened.config, saved.working) ? Outcome::New : Outcome::Neither;
}

TEST(PairCommit, EveryFailingStepOfASaveLeavesTheOldPairOrTheNew) {
  TwoPairs pairs;
  int steps = 0;
  {
    TempFolder dir;
    Document d = pairs.old;
    ASSERT_TRUE(SaveDataFile(dir / "radio.dat", d).ok());
    PlanFileFaults({});
    d = pairs.grown;
    ASSERT_TRUE(SaveDataFile(dir / "radio.dat", d).ok());
    steps = FileStepsCounted();
  }
  ASSERT_GT(steps, 8);

  int completedOnOpen = 0;
  for (bool stopsThere : {false, true}) {
    for (int step = 1; step <= steps; ++step) {
      SCOPED_TRACE((stopsThere ? "the process stops at step " : "one failing step: ") + std::to_string(step));
      TempFolder dir;
      const auto file = dir / "radio.dat";
      Document d = pairs.old;
      ASSERT_TRUE(SaveDataFile(file, d).ok());
      d = pairs.grown;
      bool saved = false;
      {
        ScopedFileFaults faults({step, stopsThere});
        saved = SaveDataFile(file, d).ok();
      }
      EXPECT_EQ(d.document.untitled, pairs.grown.document.untitled && !saved);
      bool finished = false;
      const Outcome outcome = PairOnDisk(file, pairs, finished);
      EXPECT_NE(outcome, Outcome::Neither);
      if (saved) {
        EXPECT_EQ(outcome, Outcome::New) << "a save reported done must have left the new pair";
      }
      if (finished) {
        EXPECT_EQ(outcome, Outcome::New);
        ++completedOnOpen;
      }
      // A failure the program lives through leaves no temporary behind; after any
      // stop, the open leaves no commit record.
      auto names = FolderEntryNames(dir.path());
      EXPECT_FALSE(names.count(".radio.dat.commit"));
      if (!stopsThere) {
        EXPECT_EQ(names, (std::set<std::string>{"radio.dat", "radio.fre"}));
      }
    }
  }
  EXPECT_GT(completedOnOpen, 0) << "some stops must fall between the moves of the two files";
}

TEST(PairCommit, ACommitRecordMovesOnlyItsOwnTemporariesAndAStaleOneIsDropped) {
  TwoPairs pairs;
  TempFolder dir;
  const auto file = dir / "radio.dat";
  Document d = pairs.old;
  ASSERT_TRUE(SaveDataFile(file, d).ok());
  bool finished = false;

  // A record whose moves are all done (its removal was cut short) is dropped quietly.
  test::WriteText(dir / ".radio.dat.commit", "ZQ4071 files to move into place\n.radio.fre.AAAAAA\tradio.fre\n");
  EXPECT_EQ(PairOnDisk(file, pairs, finished), Outcome::Old);
  EXPECT_FALSE(finished);
  EXPECT_FALSE(std::filesystem::exists(dir / ".radio.dat.commit"));

  // A record is outside input: one that would move some other file is refused,
  // and the pair is not read while it is there.
  test::WriteText(dir / "other.txt", "keep");
  test::WriteText(dir / ".radio.dat.commit", "ZQ4071 files to move into place\nother.txt\tradio.dat\n");
  EXPECT_EQ(PairOnDisk(file, pairs, finished), Outcome::Neither);
  EXPECT_EQ(test::ReadText(dir / "other.txt"), "keep");
  EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace zq
