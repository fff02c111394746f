// The file commands of zq4071-cli, run as a user runs them.
#include <gtest/gtest.h>

#include "datafile/data_file.h"
#include "datafile/stored_layout.h"
#include "image/memory_image.h"
#include "platform/utf8_path.h"
#include "support/cli_runner.h"
#include "test_support.h"

namespace zq {
namespace {

using testing::CliRun;

class CliFiles : public ::testing::Test {
 protected:
  CliRun Cli(const std::string& args) { return testing::RunCli(dir_.path(), args); }
  std::filesystem::path At(const std::string& name) const { return dir_ / name; }

  test::TempFolder dir_;
};

TEST_F(CliFiles, NewInfoDumpAndLoadJsonAgree) {
  ASSERT_EQ(Cli("new -o a.dat").exitCode, 0) << "is zq4071-cli built?";
  EXPECT_EQ(test::ReadBytes(At("a.dat")).size(), kDataFileSize);
  CliRun info = Cli("info a.dat");
  EXPECT_EQ(info.exitCode, 0);
  EXPECT_NE(info.out.find("Range: 28.0000 - 29.6950 MHz"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("3 DE 80"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Defined roger-beep presets: 1, 2, 3, 4"), std::string::npos) << info.out;

  ASSERT_EQ(Cli("dump a.dat -o a.json").exitCode, 0);
  ASSERT_EQ(Cli("load-json a.json -o b.dat").exitCode, 0);
  EXPECT_EQ(test::ReadBytes(At("a.dat")), test::ReadBytes(At("b.dat")));
  EXPECT_EQ(test::ReadBytes(At("a.fre")), test::ReadBytes(At("b.fre")));
  EXPECT_EQ(Cli("dump b.dat").out, test::ReadText(At("a.json")));

  ASSERT_EQ(Cli("new --range 0 -o wide.dat").exitCode, 0);
  EXPECT_NE(Cli("info wide.dat").out.find("Range: 24.7150 - 30.1050 MHz"), std::string::npos);
  ASSERT_EQ(Cli("new --range 2 -o narrow.dat").exitCode, 0);
  EXPECT_NE(Cli("info narrow.dat").out.find("Range: 28.0000 - 29.6990 MHz"), std::string::npos);
}

// A save writes this release's data version and the program's identity, so the
// program opens the file whatever version and model the document named.
TEST_F(CliFiles, LoadJsonWritesTheProgramsVersionAndIdentityWhateverTheDocumentSays) {
  ASSERT_EQ(Cli("new -o a.dat").exitCode, 0);
  ASSERT_EQ(Cli("dump a.dat -o a.json").exitCode, 0);
  std::string json = test::ReadText(At("a.json"));
  for (auto [from, to] : {std::pair{"\"DataVersion\": \"V100\"", "\"DataVersion\": \"V222\""},
                          std::pair{"\"ModelName\":\"VESTRAX\",\"ModelCode\":248,\"RangeKind\":1",
                                    "\"ModelName\":\"OTHER01\",\"ModelCode\":17,\"RangeKind\":0"},
                          std::pair{"\"ShortModelName\":\"VESTRA\"", "\"ShortModelName\":\"OTHER0\""}}) {
    auto at = json.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    json.replace(at, std::string_view(from).size(), to);
  }
  test::WriteText(At("other.json"), json);

  CliRun load = Cli("load-json other.json -o b.dat");
  ASSERT_EQ(load.exitCode, 0) << load.err;
  EXPECT_EQ(test::ReadBytes(At("b.dat")), test::ReadBytes(At("a.dat")));
  CliRun info = Cli("info b.dat");
  EXPECT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("Model: VESTRAX, model code 248"), std::string::npos) << info.out;
}

TEST_F(CliFiles, EncodeAndDecodeKeepTheChannels) {
  ASSERT_EQ(Cli("new -o a.dat").exitCode, 0);
  ASSERT_EQ(Cli("encode a.dat -o a.bin").exitCode, 0);
  EXPECT_EQ(test::ReadBytes(At("a.bin")).size(), kImageSize);
  ASSERT_EQ(Cli("decode a.bin -o d.dat").exitCode, 0);

  VersionList versions{"V100", {}, {{"V100", "V100"}}};
  const RadioConfig original = test::OpenedDocument(At("a.dat"), versions).config;
  const RadioConfig decoded = test::OpenedDocument(At("d.dat"), versions).config;
  for (int g = 1; g <= 7; ++g) {
    // The image keeps channels 1-40 of every CB plan (41-80 of "DE" have no bitmap bits).
    ASSERT_EQ(decoded.Count({kCB, g}), 40) << g;
    for (int k = 1; k <= 40; ++k) {
      EXPECT_EQ(decoded.Channel({kCB, g}, k).Number, original.Channel({kCB, g}, k).Number);
      EXPECT_EQ(decoded.Channel({kCB, g}, k).RxFrequency, original.Channel({kCB, g}, k).RxFrequency) << g << "/" << k;
    }
  }
  EXPECT_TRUE(decoded.Options == original.Options);
  EXPECT_EQ(decoded.RogerBeepTable, original.RogerBeepTable);

  // What came back from an image goes through the image again unchanged.
  ASSERT_EQ(Cli("encode d.dat -o d.bin").exitCode, 0);
  ASSERT_EQ(Cli("decode d.bin -o dd.dat").exitCode, 0);
  EXPECT_EQ(test::ReadBytes(At("dd.dat")), test::ReadBytes(At("d.dat")));
  EXPECT_EQ(test::ReadBytes(At("dd.fre")), test::ReadBytes(At("d.fre")));
}

TEST_F(CliFiles, FoldersNamedInAnyLanguageAndPathsFromTheRootAreFileNames) {
  std::filesystem::create_directory(dir_.path() / PathFromUtf8("电台配置"));
  CliRun made = Cli("new -o 电台配置/a.dat");
  ASSERT_EQ(made.exitCode, 0) << made.err;
  EXPECT_TRUE(std::filesystem::is_regular_file(dir_.path() / PathFromUtf8("电台配置") / "a.fre"));
  EXPECT_EQ(Cli("info 电台配置/a.dat").exitCode, 0);
  // A path that begins with "/" is a file, never an option (Windows programs may take "/x" for one).
  CliRun rooted = Cli("info /no-such-folder/a.dat");
  EXPECT_EQ(rooted.exitCode, 3);
  EXPECT_EQ(rooted.err, "file error. /no-such-folder/a.dat\n");
  EXPECT_EQ(Cli("new -o /no-such-folder/a.dat").exitCode, 4);
}

// Copied away from its program folder, the tool has no templates to start a new document from.
TEST_F(CliFiles, CommandsThatStartFromANewDocumentRefuseWithoutTheTemplates) {
  ASSERT_EQ(Cli("new -o a.dat").exitCode, 0);
  ASSERT_EQ(Cli("encode a.dat -o a.bin").exitCode, 0);
  const auto lonely = dir_.path() / "elsewhere" / testing::BuiltCli().filename();
  std::filesystem::create_directory(lonely.parent_path());
  std::filesystem::copy_file(testing::BuiltCli(), lonely);
  for (const char* args : {"new -o x.dat", "new --range 0 -o x.dat", "decode a.bin -o x.dat"}) {
    CliRun run = testing::RunCli(dir_.path(), args, lonely);
    EXPECT_EQ(run.exitCode, 3) << args;
    EXPECT_NE(run.err.find("The program folder lacks the template of a new configuration"), std::string::npos) << args;
    EXPECT_NE(run.err.find("LR4417_New.dat"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(At("x.dat"))) << args;
  }
}

TEST_F(CliFiles, BadInputGivesAMessageAndAnExitCode) {
  ASSERT_EQ(Cli("new -o a.dat").exitCode, 0);
  CliRun range = Cli("new --range 5 -o x.dat");
  EXPECT_EQ(range.exitCode, 2);
  EXPECT_NE(range.err.find("The range must be 0, 1 or 2."), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(At("x.dat")));

  CliRun missing = Cli("info missing.dat");
  EXPECT_EQ(missing.exitCode, 3);
  EXPECT_EQ(missing.err, "file error. missing.dat\n");

  // The message names the file at fault.
  std::filesystem::copy_file(At("a.dat"), At("lonely.dat"));
  CliRun noChannels = Cli("info lonely.dat");
  EXPECT_EQ(noChannels.exitCode, 3);
  EXPECT_EQ(noChannels.err, "file error. lonely.fre\n");
  std::filesystem::create_directory(At("blocked.fre"));
  ASSERT_EQ(Cli("dump a.dat -o a.json").exitCode, 0);
  CliRun blocked = Cli("load-json a.json -o blocked.dat");
  EXPECT_EQ(blocked.exitCode, 4);
  EXPECT_EQ(blocked.err, "file error. blocked.fre\n");
  EXPECT_FALSE(std::filesystem::exists(At("blocked.dat")));

  auto shorter = test::ReadBytes(At("a.dat"));
  shorter.pop_back();
  test::WriteBytes(At("short.dat"), shorter);
  std::filesystem::copy_file(At("a.fre"), At("short.fre"));
  CliRun wrongLength = Cli("dump short.dat -o short.json");
  EXPECT_EQ(wrongLength.exitCode, 3);
  EXPECT_NE(wrongLength.err.find("Fail to start the software. This version does not exist."), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(At("short.json")));

  test::WriteText(At("broken.json"), "{\"DataVersion\": \"V100\",");
  CliRun broken = Cli("load-json broken.json -o out.dat");
  EXPECT_EQ(broken.exitCode, 3);
  EXPECT_NE(broken.err.find("The JSON text is not valid at byte"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(At("out.dat")));

  test::WriteBytes(At("small.bin"), std::vector<uint8_t>(kImageSize - 1));
  EXPECT_EQ(Cli("decode small.bin -o s.dat").exitCode, 3);
  EXPECT_EQ(Cli("decode a.dat -o s.dat").exitCode, 3);
  EXPECT_EQ(Cli("encode a.dat -o no-such-folder/a.bin").exitCode, 4);
  EXPECT_EQ(Cli("info").exitCode, 2);
  EXPECT_EQ(Cli("load-json --help").exitCode, 0);
}

bool HasControlCharacters(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto c = static_cast<unsigned char>(text[i]);
    bool c1 = c == 0xC2 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80;
    if (((c < 0x20 || c == 0x7F) && c != '\n') || c1) return true;
  }
  return false;
}

// What damaged files hold is quoted in the output, but never as a control
// sequence that would clear the screen or retitle the terminal.
TEST_F(CliFiles, DamagedTextsReachTheTerminalWithoutControlCharacters) {
  ASSERT_EQ(Cli("new -o a.dat").exitCode, 0);
  auto bytes = test::ReadBytes(At("a.dat"));
  const std::string escape = "\x1b]0;x\x07\x1b[2J";
  std::copy(escape.begin(), escape.begin() + 7, bytes.begin() + 216);  // model name
  bytes[1382] = 0x9B;                                                  // CB group 1 name: a C1 control
  test::WriteBytes(At("a.dat"), bytes);
  CliRun info = Cli("info a.dat");
  EXPECT_EQ(info.exitCode, 0);
  EXPECT_FALSE(HasControlCharacters(info.out)) << info.out;
  EXPECT_NE(info.out.find("Model: ?]0;x??, model code"), std::string::npos) << info.out;

  ASSERT_EQ(Cli("dump a.dat -o a.json").exitCode, 0);
  test::WriteText(At("odd.json"), "{\"\\u001b[2J\": 1," + test::ReadText(At("a.json")).substr(1));
  CliRun odd = Cli("load-json odd.json -o out.dat");
  EXPECT_EQ(odd.exitCode, 3);
  EXPECT_EQ(odd.err.substr(0, 22), "Unknown member: /?[2J ");
}

}  // namespace
}  // namespace zq
