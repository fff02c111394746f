// zq4071-cli doctor against zq4071-radiosim and against devices that are no
// radio: a file that is no serial port, a missing device, a port another
// process holds.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "child_process.h"
#include "datafile/test_support.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kDoctorCli = std::string(ZQ_PROGRAM_DIR) + "/zq4071-cli";
const std::string kDoctorSim = std::string(ZQ_PROGRAM_DIR) + "/zq4071-radiosim";

class Doctor : public ::testing::Test {
 protected:
  std::unique_ptr<test::BackgroundProgram> StartRadio(std::vector<std::string> options = {}) {
    options.insert(options.begin(), kDoctorSim);
    auto radio = std::make_unique<test::BackgroundProgram>(options);
    EXPECT_TRUE(radio->firstLine().starts_with("/dev/")) << radio->firstLine();
    return radio;
  }
  test::ProcessResult Check(const std::string& port) {
    return test::RunProgram({kDoctorCli, "doctor", "--port", port, "--trace", Trace(), "--language", "1"}, 30s);
  }
  std::string Trace() const { return (dir_ / "trace.txt").string(); }
  // The frames the doctor sent, by their first bytes.
  std::vector<std::string> Sent() const {
    std::vector<std::string> sent;
    std::ifstream in(Trace());
    for (std::string line; std::getline(in, line);)
      if (auto at = line.find(" TX "); at != std::string::npos) sent.push_back(line.substr(at + 4, 8));
    return sent;
  }

  test::TempFolder folder_;
  const fs::path dir_ = folder_.path();
};

TEST_F(Doctor, AWorkingRadioAnswersTheGreetingAndIdentityAndNothingIsReadOrWritten) {
  auto radio = StartRadio({"--baud", "115200"});
  test::ProcessResult run = Check(radio->firstLine());
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find(radio->firstLine() + "\n  Device: serial port\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("  Radio: VESTRAX, firmware V100, HF and HAM bands\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("  Reply time: greeting "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("  Handshake: The port works"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Problem:"), std::string::npos) << run.out;
  // Greeting, identity request and the end frame: no read request, no data frame.
  EXPECT_EQ(Sent(), (std::vector<std::string>{"50 52 4F", "02", "45 4E 44"}));
}

TEST_F(Doctor, ARadioOfAnotherModelOrAGarbledLineIsToldApartFromASilentOne) {
  {
    auto radio = StartRadio({"--model", "OTHER"});
    test::ProcessResult run = Check(radio->firstLine());
    EXPECT_EQ(run.exitCode, 12) << run.out << run.err;
    EXPECT_NE(run.out.find("  Radio: OTHER, firmware V100"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  Problem: The radio answers as model OTHER, not VESTRAX.\n"
                           "    Remedy: Connect a ZQ4071 radio: this program programs no other model.\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(Sent(), (std::vector<std::string>{"50 52 4F", "02", "45 4E 44"}));
  }
  {
    auto radio = StartRadio({"--garbage", "1:100"});
    test::ProcessResult run = Check(radio->firstLine());
    EXPECT_EQ(run.exitCode, 11) << run.out << run.err;
    EXPECT_NE(run.out.find("  Problem: Unreadable bytes came back instead of the reply: 00 FF 13"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("    Remedy: Check the cable"), std::string::npos) << run.out;
  }
  {
    auto radio = StartRadio({"--silent"});
    test::ProcessResult run = Check(radio->firstLine());
    EXPECT_EQ(run.exitCode, 11) << run.out << run.err;
    EXPECT_NE(run.out.find("  Problem: No reply from the radio to the greeting, sent 5 times.\n"), std::string::npos)
        << run.out;
  }
}

TEST_F(Doctor, ADeviceThatIsNoPortIsMissingOrHeldIsNotGreeted) {
  test::ProcessResult notSerial = Check("/dev/null");
  EXPECT_EQ(notSerial.exitCode, 10) << notSerial.out << notSerial.err;
  EXPECT_NE(notSerial.out.find("  Device: not a serial port\n  Problem: /dev/null is not a serial device.\n"
                               "    Remedy: Choose the serial port of the programming cable instead.\n"
                               "  Handshake: not tried"),
            std::string::npos)
      << notSerial.out;

  test::ProcessResult missing = Check("/dev/ttyUSB97");
  EXPECT_EQ(missing.exitCode, 10) << missing.out << missing.err;
  EXPECT_NE(missing.out.find("COM197  /dev/ttyUSB97\n  Device: does not exist\n"
                             "  Problem: The device /dev/ttyUSB97 does not exist.\n"),
            std::string::npos)
      << missing.out;

  // Another program keeps the radio's port open (without locking it, as a plain terminal program does).
  auto radio = StartRadio();
  test::BackgroundProgram holder({"/bin/sh", "-c", "exec 3<>" + radio->firstLine() + "; echo held; exec sleep 30"});
  ASSERT_EQ(holder.firstLine(), "held");
  test::ProcessResult held = Check(radio->firstLine());
  EXPECT_EQ(held.exitCode, 10) << held.out << held.err;
  EXPECT_NE(held.out.find("  Problem: " + radio->firstLine() + " is held by sleep (process "), std::string::npos)
      << held.out;
  EXPECT_NE(held.out.find("    Remedy: Close sleep or make it let go of the port, then check again.\n"),
            std::string::npos)
      << held.out;
  EXPECT_TRUE(Sent().empty());
}

}  // namespace
}  // namespace zq
