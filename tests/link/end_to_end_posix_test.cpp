// zq4071-cli against zq4071-radiosim on a real pseudo-terminal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <thread>

#include "channels/config_fixture.h"
#include "child_process.h"
#include "datafile/data_file.h"
#include "datafile/test_support.h"
#include "image/image_codec.h"
#include "image/image_file.h"
#include "image/sha256.h"
#include "link/posix_serial_port.h"
#include "link/test_images.h"
#include "served_radio.h"
#include "support/pdf_text.h"
#include "support/random_config.h"

namespace zq {
namespace {

using test::OnlyRanges;

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::BackgroundProgram;
using test::ProcessResult;
using test::RunProgram;

const std::string kProgramDir = ZQ_PROGRAM_DIR;
const std::string kCli = kProgramDir + "/zq4071-cli";
const std::string kSim = kProgramDir + "/zq4071-radiosim";

// The radio holds what the encoder makes of a configuration full of values.
MemoryImage RadioMemory() {
  RadioConfig cfg = testing::RandomConfig(21).Make();
  MemoryImage image;
  EncodeImage(cfg, image);
  return image;
}

struct TraceLine {
  double seconds;
  std::string what;
};

std::vector<TraceLine> ReadTrace(const fs::path& path) {
  std::vector<TraceLine> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    TraceLine t;
    fields >> t.seconds;
    std::getline(fields >> std::ws, t.what);
    lines.push_back(t);
  }
  return lines;
}

std::vector<TraceLine> Sent(const std::vector<TraceLine>& trace) {
  std::vector<TraceLine> sent;
  std::ranges::copy_if(trace, std::back_inserter(sent), [](const TraceLine& t) { return t.what.starts_with("TX"); });
  return sent;
}

// Waits until the trace shows what `seen` looks for; false when `limit` passes first.
bool WaitForTrace(const fs::path& path, const std::function<bool(const std::vector<TraceLine>&)>& seen,
                  std::chrono::seconds limit) {
  for (auto until = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < until;) {
    if (seen(ReadTrace(path))) return true;
    std::this_thread::sleep_for(5ms);
  }
  return false;
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(dir_ / "Version.ini")
        << "[Version]\nCurrentVersion=V100\nFirmVersionCount=1\n[Firm]\nFirm0=V100V100\n";
    ASSERT_TRUE(SaveImageFile(dir_ / "radio.bin", RadioMemory()));
  }

  std::string File(const std::string& name) const { return (dir_ / name).string(); }

  std::unique_ptr<BackgroundProgram> StartRadio(std::vector<std::string> options) {
    options.insert(options.begin(), kSim);
    auto radio = std::make_unique<BackgroundProgram>(options);
    EXPECT_TRUE(radio->firstLine().starts_with("/dev/")) << radio->firstLine();
    return radio;
  }
  ProcessResult Cli(const std::string& command, const std::string& port, std::vector<std::string> more) {
    // Backups would land in the build's shared folder; the backup tests run a throw-away installation.
    std::vector<std::string> args = {
        kCli, command, "--port", port, "--versions", File("Version.ini"), "--trace", File("trace.txt"), "--no-backup"};
    args.insert(args.end(), more.begin(), more.end());
    return RunProgram(args, 30s);
  }

  test::TempFolder folder_;
  const fs::path dir_ = folder_.path();
};

TEST_F(EndToEnd, ReadGivesBackExactlyWhatTheRadioHolds) {
  auto radio = StartRadio({"--image", File("radio.bin")});
  ProcessResult read = Cli("read", radio->firstLine(), {"--image", File("read.bin")});
  ASSERT_EQ(read.exitCode, 0) << read.err;
  EXPECT_EQ(read.out, "Read Data Completed.\n");
  auto image = LoadImageFile(File("read.bin"));
  ASSERT_TRUE(image);
  EXPECT_TRUE(*image == OnlyRanges(RadioMemory()));
  RadioConfig readBack, held;
  DecodeImage(*image, readBack);
  DecodeImage(OnlyRanges(RadioMemory()), held);
  EXPECT_TRUE(readBack == held);
  EXPECT_EQ(Sent(ReadTrace(File("trace.txt"))).size(), 1875u);
}

TEST_F(EndToEnd, WriteLeavesExactlyTheImageInTheRadio) {
  auto radio = StartRadio({"--save-written", File("written.bin"), "--exit-after-transfer", "--no-hf"});
  ProcessResult write = Cli("write", radio->firstLine(), {"--image", File("radio.bin"), "--language", "2"});
  ASSERT_EQ(write.exitCode, 0) << write.err;
  EXPECT_EQ(write.out, "写入数据完成。\n");
  EXPECT_EQ(radio->Wait(5s), 0);
  auto written = LoadImageFile(File("written.bin"));
  ASSERT_TRUE(written);
  EXPECT_TRUE(*written == OnlyRanges(RadioMemory()));
}

TEST_F(EndToEnd, DataFilesGoThroughTheEncoderOnTheWayInAndTheDecoderOnTheWayOut) {
  // Write a data file: the radio ends up with exactly the image the encoder makes of it.
  RadioConfig sent = testing::RandomConfig(33).Make();
  ASSERT_TRUE(test::SaveAsNewDocument(File("sent.dat"), sent).ok());
  MemoryImage expected;
  EncodeImage(sent, expected);
  auto writer = StartRadio({"--save-written", File("written.bin"), "--exit-after-transfer"});
  ProcessResult write = Cli("write", writer->firstLine(), {File("sent.dat")});
  ASSERT_EQ(write.exitCode, 0) << write.err;
  ASSERT_EQ(writer->Wait(5s), 0);
  auto written = LoadImageFile(File("written.bin"));
  ASSERT_TRUE(written);
  EXPECT_TRUE(*written == OnlyRanges(expected));

  // Read it back into a data file: the configuration in it is the one the radio holds.
  auto reader = StartRadio({"--image", File("written.bin")});
  ProcessResult read = Cli("read", reader->firstLine(), {"-o", File("read.dat")});
  ASSERT_EQ(read.exitCode, 0) << read.err;
  EXPECT_EQ(read.out, "Read Data Completed.\n");
  VersionList versions = LoadVersionList(File("Version.ini"));
  EditedDocument backFile = test::OpenedDocument(File("read.dat"), versions);
  RadioConfig& back = backFile.config;
  // Compared through the decoder: the bytes of unused slots carry nothing.
  MemoryImage again;
  EncodeImage(back, again);
  RadioConfig fromFile, fromRadio;
  DecodeImage(OnlyRanges(again), fromFile);
  DecodeImage(*written, fromRadio);
  EXPECT_TRUE(fromFile == fromRadio);
  EXPECT_EQ(backFile.document.rangeText, RangeTextOfIndex(sent.RangeIndex()));
}

TEST_F(EndToEnd, EachRecoverableFaultCostsOneRetransmissionASecondLater) {
  auto radio = StartRadio({"--image", File("radio.bin"), "--drop", "10", "--corrupt-checksum", "400", "--wrong-address",
                           "900", "--garbage", "1500"});
  ProcessResult read = Cli("read", radio->firstLine(), {"--image", File("read.bin")});
  ASSERT_EQ(read.exitCode, 0) << read.err;
  EXPECT_TRUE(*LoadImageFile(File("read.bin")) == OnlyRanges(RadioMemory()));
  std::vector<TraceLine> sent = Sent(ReadTrace(File("trace.txt")));
  ASSERT_EQ(sent.size(), 1875u + 4);
  int repeats = 0;
  for (std::size_t k = 1; k < sent.size(); ++k) {
    if (sent[k].what != sent[k - 1].what) continue;
    ++repeats;
    EXPECT_NEAR(sent[k].seconds - sent[k - 1].seconds, 1.0, 0.1);
  }
  EXPECT_EQ(repeats, 4);
}

TEST_F(EndToEnd, SilentRadioGetsFiveGreetingsAndTheUserIsTold) {
  auto radio = StartRadio({"--silent"});
  ProcessResult read = Cli("read", radio->firstLine(), {"--image", File("read.bin")});
  EXPECT_EQ(read.exitCode, 11);
  EXPECT_NE(read.err.find("No response from the radio."), std::string::npos) << read.err;
  EXPECT_FALSE(fs::exists(File("read.bin")));
  std::vector<TraceLine> sent = Sent(ReadTrace(File("trace.txt")));
  ASSERT_EQ(sent.size(), 5u);
  for (std::size_t k = 0; k < sent.size(); ++k) {
    EXPECT_EQ(sent[k].what, "TX 50 52 4F 47 52 41 4D");
    EXPECT_NEAR(sent[k].seconds - sent[0].seconds, static_cast<double>(k), 0.1);
  }
  EXPECT_NEAR(read.took.count(), 5000, 400);
}

TEST_F(EndToEnd, ARadioThatDisappearsMidWriteEndsTheTransferCleanly) {
  auto radio = StartRadio({"--hang-up-after", "300"});
  ProcessResult write = Cli("write", radio->firstLine(), {"--image", File("radio.bin")});
  EXPECT_EQ(write.exitCode, 11) << write.err;
  EXPECT_NE(write.err.find("No response from the radio."), std::string::npos);
  EXPECT_NE(write.err.find("partly written"), std::string::npos);
  EXPECT_EQ(radio->Wait(1s), 0);  // the radio went away by itself
  EXPECT_LT(write.took, 15s);     // five silent seconds and the blocks before them; no hang
}

TEST_F(EndToEnd, AWriteWhosePortNameNowLeadsToAnotherRadioFailsAndSendsThatRadioNothing) {
  // The first radio answers at wire speed, so that its write lasts seconds.
  RadioBehaviour wireSpeed;
  wireSpeed.baud = 115200;
  auto first = std::make_unique<test::ServedRadio>(MemoryImage{}, wireSpeed);
  test::ServedRadio second{MemoryImage{}};
  const fs::path link = dir_ / "ttyRadio";
  fs::create_symlink(first->path(), link);
  ProcessResult write;
  std::thread cli([&] { write = Cli("write", link.string(), {"--image", File("radio.bin")}); });
  const bool writing = WaitForTrace(
      File("trace.txt"),
      [](const std::vector<TraceLine>& trace) {
        return std::ranges::any_of(trace, [](const TraceLine& t) { return t.what.starts_with("TX 57"); });
      },
      20s);
  // Mid-write the name moves to the second radio, and the first goes away.
  fs::create_symlink(second.path(), dir_ / "ttyNext");
  fs::rename(dir_ / "ttyNext", link);
  first.reset();
  cli.join();
  ASSERT_TRUE(writing);
  EXPECT_EQ(write.exitCode, 11) << write.err;
  EXPECT_NE(write.err.find("No response from the radio."), std::string::npos) << write.err;
  EXPECT_NE(write.err.find("partly written"), std::string::npos) << write.err;
  EXPECT_EQ(second.radio().framesReceived(), 0);
  std::vector<TraceLine> trace = ReadTrace(File("trace.txt"));
  EXPECT_EQ(std::ranges::count_if(trace, [](const TraceLine& t) { return t.what.starts_with("open"); }), 1);
}

TEST_F(EndToEnd, WrongModelAndIncompatibleFirmwareHaveTheirMessagesAndExitCodes) {
  auto other = StartRadio({"--model", "ZQ4000"});
  ProcessResult model = Cli("read", other->firstLine(), {"--image", File("read.bin")});
  EXPECT_EQ(model.exitCode, 12);
  EXPECT_EQ(model.err, "Model type is wrong.\n");

  auto newer = StartRadio({"--firmware", "V102"});
  ProcessResult version = Cli("write", newer->firstLine(), {"--image", File("radio.bin")});
  EXPECT_EQ(version.exitCode, 13);
  EXPECT_EQ(version.err,
            "incompatible version. It may cause unknown error.To start the corresponding software version, or not?\n"
            "Firmware version is V1.02\nprogramming software is V1.00\n");
  EXPECT_FALSE(fs::exists(File("read.bin")));

  // The version bytes come from the radio as they are; the terminal sees no control sequence in them.
  auto garbled = StartRadio({"--firmware", "\x1b[2J"});
  ProcessResult escape = Cli("write", garbled->firstLine(), {"--image", File("radio.bin")});
  EXPECT_EQ(escape.exitCode, 13);
  EXPECT_NE(escape.err.find("Firmware version is ?[.2J\n"), std::string::npos) << escape.err;
}

TEST_F(EndToEnd, PortErrorsNameTheReason) {
  ProcessResult missing = Cli("read", "/dev/zq-no-such-port", {"--image", File("read.bin")});
  EXPECT_EQ(missing.exitCode, 10);
  EXPECT_EQ(missing.err, "Cannot Open Communication Port.\nThe device /dev/zq-no-such-port does not exist.\n");

  auto radio = StartRadio({});
  PosixSerialPort holder;
  ASSERT_TRUE(holder.Open(radio->firstLine()).ok());
  ProcessResult busy = Cli("read", radio->firstLine(), {"--image", File("read.bin")});
  EXPECT_EQ(busy.exitCode, 10);
  EXPECT_NE(busy.err.find("is in use by another program."), std::string::npos) << busy.err;

  ProcessResult badImage = Cli("write", radio->firstLine(), {"--image", File("Version.ini")});
  EXPECT_EQ(badImage.exitCode, 3);
}

TEST_F(EndToEnd, DiffNamesWhatDiffersBetweenFilesImagesAndTheRadio) {
  RadioConfig a = testing::RandomConfig(41).Make();
  RadioConfig b = a;
  b.Options.Tot() = static_cast<int16_t>(a.Options.Tot() == 2 ? 3 : 2);
  ASSERT_TRUE(test::SaveAsNewDocument(File("a.dat"), a).ok());
  ASSERT_TRUE(test::SaveAsNewDocument(File("b.dat"), b).ok());
  MemoryImage image;
  EncodeImage(a, image);
  ASSERT_TRUE(SaveImageFile(File("a.bin"), image));
  const std::string tot = "/Options/Tot: " + std::to_string(b.Options.Tot()) + " -> " + std::to_string(a.Options.Tot());
  auto diff = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {kCli, "diff"});
    return RunProgram(args, 30s);
  };

  ProcessResult files = diff({File("b.dat"), File("a.dat")});
  EXPECT_EQ(files.exitCode, 1) << files.err;
  EXPECT_EQ(files.out, tot + "\n");
  // --labels: a channel member as the channel window names and shows it.
  RadioConfig c;
  testing::AddChannel(c, {kHAM, 1}, 9).PowerLevel = 2;
  RadioConfig d = c;
  d.Channel({kHAM, 1}, 1).PowerLevel = 0;
  ASSERT_TRUE(test::SaveAsNewDocument(File("c.dat"), c).ok());
  ASSERT_TRUE(test::SaveAsNewDocument(File("d.dat"), d).ok());
  ProcessResult labelled = diff({File("c.dat"), File("d.dat"), "--labels"});
  EXPECT_EQ(labelled.exitCode, 1) << labelled.err;
  EXPECT_EQ(labelled.out, "HAM 1 (1) CH 9 Power: High -> Low\n");
  EXPECT_EQ(diff({File("a.dat"), File("a.bin")}).exitCode, 0);  // the image a write of the file leaves

  auto radio = StartRadio({"--image", File("a.bin")});
  const std::string port = radio->firstLine();
  ProcessResult withRadio = diff({File("b.dat"), "--port", port, "--versions", File("Version.ini"), "--no-backup"});
  EXPECT_EQ(withRadio.exitCode, 1) << withRadio.err;
  EXPECT_EQ(withRadio.out, tot + "\n");
  ProcessResult asJson =
      diff({"radio", File("a.bin"), "--port", port, "--versions", File("Version.ini"), "--no-backup", "--json"});
  EXPECT_EQ(asJson.exitCode, 0) << asJson.err;
  EXPECT_NE(asJson.out.find("\"differences\": []"), std::string::npos) << asJson.out;

  EXPECT_EQ(diff({File("a.dat")}).exitCode, 2);                     // nothing to compare with
  EXPECT_EQ(diff({"radio", "radio", "--port", port}).exitCode, 2);  // one radio at most
  EXPECT_EQ(diff({File("a.dat"), File("missing.dat")}).exitCode, 3);
}

TEST_F(EndToEnd, ASeriesWritesRadioAfterRadioLogsEachAndStopsOnCtrlC) {
  // Three radios; the second is taken away half-way into its write.
  auto radios = StartRadio({"--series", "3", "--stay", "200", "--absent", "1500", "--drop-out", "2:40"});
  test::BackgroundProgram cli({kCli, "write", "--port", radios->firstLine(), "--image", File("radio.bin"), "--versions",
                               File("Version.ini"), "--no-backup", "--verify", "--repeat", "--log",
                               File("series.csv")});
  EXPECT_EQ(cli.firstLine(), "Radio 1 (VESTRAX 000001): written and verified");
  auto logLines = [&] {
    const std::vector<std::string> lines = test::ReadLines(File("series.csv"));
    return lines;
  };
  for (auto until = std::chrono::steady_clock::now() + 30s;
       logLines().size() < 4 && std::chrono::steady_clock::now() < until;)
    std::this_thread::sleep_for(100ms);
  cli.Interrupt();
  EXPECT_EQ(cli.Wait(5s), 11);  // the first failure's code
  EXPECT_EQ(cli.RestOfOutput(),
            "Radio 2 (VESTRAX 000002): failed: no response\n"
            "Radio 3 (VESTRAX 000003): written and verified\n"
            "Radios written: 2, failed: 1.\n");
  std::vector<std::string> log = logLines();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0],
            "Time,Radio,Identity,Firmware version,Result,Port,Image SHA-256,Units line,Operator,Verification\r");
  const std::string port = "," + radios->firstLine() + "," + Sha256Hex(RadioMemory().bytes()) + ",,,";
  const std::string results[] = {"1,VESTRAX 000001,V100,written and verified" + port + "verified\r",
                                 "2,VESTRAX 000002,V100,failed: no response" + port + "not verified\r",
                                 "3,VESTRAX 000003,V100,written and verified" + port + "verified\r"};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(log[k + 1].size(), 20 + results[k].size()) << log[k + 1];  // "YYYY-MM-DD hh:mm:ss,"
    EXPECT_TRUE(log[k + 1].ends_with(results[k])) << log[k + 1];
  }
}

TEST_F(EndToEnd, ASecondCtrlCDuringAWriteLogsTheRadioAsStoppedBeforeTheProgramEnds) {
  // The second radio stops answering a little way into its write; the write then waits out its retransmissions.
  auto radios = StartRadio({"--series", "2", "--stay", "200", "--absent", "1500", "--drop-out", "2:100"});
  test::BackgroundProgram cli({kCli, "write", "--port", radios->firstLine(), "--image", File("radio.bin"), "--versions",
                               File("Version.ini"), "--no-backup", "--repeat", "--log", File("series.csv"), "--trace",
                               File("trace.txt")});
  EXPECT_EQ(cli.firstLine(), "Radio 1 (VESTRAX 000001): written");
  const bool retrying = WaitForTrace(
      File("trace.txt"),
      [](const std::vector<TraceLine>& trace) {
        std::vector<TraceLine> sent = Sent(trace);
        return sent.size() > 1 && sent.back().what.starts_with("TX 57") &&
               sent.back().what == sent[sent.size() - 2].what;
      },
      20s);
  ASSERT_TRUE(retrying);
  cli.Interrupt();
  std::this_thread::sleep_for(100ms);
  cli.Interrupt();
  EXPECT_EQ(cli.Wait(5s), 130);
  EXPECT_EQ(cli.RestOfOutput(),
            "Radio 2 (VESTRAX 000002): stopped during the write: may be partly written\n"
            "Radios written: 1, failed: 1.\n");
  const std::vector<std::string> log = test::ReadLines(File("series.csv"));
  ASSERT_EQ(log.size(), 3u);
  EXPECT_NE(log[2].find(",2,VESTRAX 000002,V100,stopped during the write: may be partly written,"), std::string::npos)
      << log[2];
}

// Splits a log line at its commas (no field of these lines is quoted).
std::vector<std::string> LogFields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line.substr(0, line.find('\r')));
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  return fields;
}

bool Holds(const MemoryImage& memory, const std::string& text) {
  return std::search(memory.bytes().begin(), memory.bytes().end(), text.begin(), text.end()) != memory.bytes().end();
}

TEST_F(EndToEnd, TwoPortsWriteSideBySideEachRadioWithItsOwnRowAndOneLogRecordsThemAll) {
  // Port B's first radio is taken away in the middle of its write; port A never notices.
  auto radiosA = StartRadio({"--series", "2", "--stay", "200", "--absent", "1500", "--save-written", File("a%n.bin")});
  auto radiosB = StartRadio(
      {"--series", "2", "--stay", "200", "--absent", "1500", "--drop-out", "1:40", "--save-written", File("b%n.bin")});
  RadioConfig sent = testing::RandomConfig(5).Make();
  ASSERT_TRUE(test::SaveAsNewDocument(File("sent.dat"), sent).ok());
  const std::vector<std::string> names = {"", "", "UNIT-ONE", "UNIT-TWO", "UNIT-THREE"};  // by line of the list
  std::ofstream(File("units.csv")) << "/Options/BtDeviceName,/Options/DtmfCodes/0\n"
                                   << names[2] << ",111\n"
                                   << names[3] << ",222\n"
                                   << names[4] << ",333\n";
  const std::string portA = radiosA->firstLine(), portB = radiosB->firstLine();
  std::vector<std::string> command = {kCli,
                                      "write",
                                      "--port",
                                      portA,
                                      "--port",
                                      portB,
                                      File("sent.dat"),
                                      "--versions",
                                      File("Version.ini"),
                                      "--no-backup",
                                      "--verify",
                                      "--repeat",
                                      "--log",
                                      File("series.csv"),
                                      "--units",
                                      File("units.csv"),
                                      "--operator",
                                      "Ann Lee"};
  constexpr bool kSheets = ZQ_CLI_WRITES_SHEETS;
  if (kSheets) command.insert(command.end(), {"--sheets", File("sheets")});
  ProcessResult station = RunProgram(command, 60s);
  // Three rows for three radios written: the list is used up and the series stop by themselves.
  EXPECT_EQ(station.exitCode, 11) << station.err;  // the failed radio's code
  EXPECT_NE(station.err.find("The list of per-unit values is used up; the series stops."), std::string::npos)
      << station.err;
  EXPECT_NE(station.out.find(portB + ": Radio 1 (VESTRAX 000001): failed: no response\n"), std::string::npos)
      << station.out;
  EXPECT_TRUE(station.out.ends_with("Radios written: 3, failed: 1.\n")) << station.out;

  const std::vector<std::string> log = test::ReadLines(File("series.csv"));
  ASSERT_EQ(log.size(), 5u);
  EXPECT_EQ(log[0],
            "Time,Radio,Identity,Firmware version,Result,Port,Image SHA-256,Units line,Operator,Verification\r");
  // One sheet for each radio written, none for the one that failed; never one written over another.
  std::vector<std::string> sheetTexts;
  if (kSheets) {
    for (const auto& entry : fs::directory_iterator(File("sheets"))) {
      EXPECT_GT(fs::file_size(entry.path()), 10000u) << entry.path();
      sheetTexts.push_back(testing::PdfText(entry.path()));
    }
    EXPECT_EQ(sheetTexts.size(), 3u);
  }
  std::set<std::string> linesWritten;
  std::string givenBack;
  for (std::size_t k = 1; k < log.size(); ++k) {
    std::vector<std::string> f = LogFields(log[k]);
    ASSERT_EQ(f.size(), 10u) << log[k];
    EXPECT_EQ(f[8], "Ann Lee");
    const bool onA = f[5] == portA;
    EXPECT_TRUE(onA || f[5] == portB) << log[k];
    if (f[4] != "written and verified") {
      EXPECT_EQ(f[4] + "," + f[5] + "," + f[1] + "," + f[9], "failed: no response," + portB + ",1,not verified");
      ASSERT_TRUE(f[7].ends_with(" (given back)")) << log[k];
      givenBack = f[7].substr(0, f[7].find(' '));
      continue;
    }
    EXPECT_EQ(f[9], "verified");
    // The radio holds its row's values and no other row's, and the hash is that of what it holds.
    auto memory = LoadImageFile(File((onA ? "a" : "b") + f[1] + ".bin"));
    ASSERT_TRUE(memory) << log[k];
    EXPECT_EQ(f[6], Sha256Hex(memory->bytes()));
    const int line = std::stoi(f[7]);
    ASSERT_TRUE(line >= 2 && line <= 4) << log[k];
    for (int other = 2; other <= 4; ++other) EXPECT_EQ(Holds(*memory, names[other]), other == line) << log[k];
    linesWritten.insert(f[7]);
    // Its hand-over sheet names it, its port, its row's values and the image by its hash.
    if (!kSheets) continue;
    const auto sheet = std::find_if(sheetTexts.begin(), sheetTexts.end(), [&](const std::string& text) {
      return text.find("Image SHA-256: " + f[6]) != std::string::npos;
    });
    ASSERT_NE(sheet, sheetTexts.end()) << log[k];
    for (const std::string& said :
         std::vector<std::string>{"Hand-over sheet: radio " + f[1], "Port: " + f[5], "Result: written and verified",
                                  "Operator: Ann Lee", "/Options/BtDeviceName", names[line]})
      EXPECT_NE(sheet->find(said), std::string::npos) << said << "\n" << *sheet;
  }
  EXPECT_EQ(linesWritten, (std::set<std::string>{"2", "3", "4"}));
  EXPECT_TRUE(linesWritten.count(givenBack)) << "the failed radio's row went to a later radio";
}

TEST_F(EndToEnd, AUnitsListThatDoesNotFitIsRefusedBeforeAnyRadioIsWritten) {
  auto radio = StartRadio({"--series", "2", "--save-written", File("written.bin")});
  RadioConfig sent = testing::RandomConfig(5).Make();
  ASSERT_TRUE(test::SaveAsNewDocument(File("sent.dat"), sent).ok());
  auto refusal = [&](const std::string& list) {
    std::ofstream(File("units.csv")) << list;
    ProcessResult run = Cli("write", radio->firstLine(), {File("sent.dat"), "--repeat", "--units", File("units.csv")});
    EXPECT_EQ(run.exitCode, 3) << list;
    return run.err;
  };
  // A value that does not fit on the last row, a member no write carries, a member the file does not have.
  EXPECT_NE(refusal("/Options/DtmfCodes/0,/Options/Tot\n1,2\n3,4\n5,x\n").find("Line 4, column 2: "),
            std::string::npos);
  EXPECT_NE(refusal("/Options/BtDeviceName,/Identity/ModelName\nA,B\n")
                .find("Line 1, column 2: /Identity/ModelName is not written into the radio"),
            std::string::npos);
  EXPECT_NE(refusal("/Options/NoSuchMember\n1\n").find("Line 1, column 1: /Options/NoSuchMember is no member"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(File("trace.txt")) && fs::file_size(File("trace.txt")) > 0);
  EXPECT_FALSE(fs::exists(File("written.bin")));
}

}  // namespace
}  // namespace zq
