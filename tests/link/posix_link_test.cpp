// The POSIX port and event loop against the simulated radio on a real pseudo-terminal.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "link/comm_transfer.h"
#include "link/port_refusal.h"
#include "link/posix_event_loop.h"
#include "link/posix_serial_port.h"
#include "link/test_images.h"
#include "link/transfer_ranges.h"
#include "link_fakes.h"
#include "served_radio.h"

namespace zq {
namespace {

using test::PatternImage;

struct PosixSession {
  PosixSerialPort port;
  PosixEventLoop loop{port};
  MemoryImage image;
  VersionList versions = test::VersionsHandlingV100();
  test::RecordingHost host;
  TransferEngine engine{port, loop, image, versions, host};
};

TEST(PosixLink, ReadsTheWholeRadioOverAPseudoTerminal) {
  test::ServedRadio served(PatternImage());
  PosixSession pc;
  ASSERT_TRUE(pc.engine.OpenRadioPort(TransferKind::Read, served.path()).ok());
  pc.engine.Begin();
  pc.loop.RunUntil([&] { return !pc.engine.running(); });
  ASSERT_EQ(pc.host.outcomes.size(), 1u);
  EXPECT_TRUE(pc.host.outcome().success);
  EXPECT_FALSE(pc.port.IsOpen());
  for (uint32_t a = 0; a < kImageSize; ++a)
    ASSERT_EQ(pc.image.Get(a), InTransferRanges(a) ? served.radio().memory().Get(a) : 0) << a;
  EXPECT_EQ(served.radio().framesReceived(), 1875);
}

TEST(PosixLink, APortThatIsMissingBusyOrNoTerminalIsRefusedWithItsReason) {
  PosixSerialPort port;
  EXPECT_EQ(port.Open("/dev/does-not-exist-zq").failure, PortFailure::Missing);
  EXPECT_FALSE(port.IsOpen());

  auto file = std::filesystem::temp_directory_path() / ("zq-not-a-tty-" + std::to_string(::getpid()));
  std::ofstream(file) << "x";
  EXPECT_EQ(port.Open(file.string()).failure, PortFailure::NotSerial);
  std::filesystem::remove(file);

  test::ServedRadio served(PatternImage());
  PosixSerialPort first, second;
  ASSERT_TRUE(first.Open(served.path()).ok());
  PortOpenResult busy = second.Open(served.path());
  EXPECT_EQ(busy.failure, PortFailure::Busy);
  EXPECT_FALSE(busy.detail.empty());
  first.Close();
  EXPECT_TRUE(second.Open(served.path()).ok());  // free again once closed
}

// A line that floods the PC with noise must not fill its memory: what is taken
// in as one reply stays bounded, the rest waits in the kernel's queue.
TEST(PosixLink, AFloodedLineIsTakenInBoundedPieces) {
  int controller = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(controller, 0);
  ASSERT_EQ(::grantpt(controller), 0);
  ASSERT_EQ(::unlockpt(controller), 0);
  ASSERT_TRUE(SetRawLine(controller));
  PosixSerialPort port;
  ASSERT_TRUE(port.Open(::ptsname(controller)).ok());
  const std::vector<uint8_t> noise(PosixSerialPort::kMaxPendingBytes * 2, 0x55);
  ASSERT_EQ(::write(controller, noise.data(), noise.size()), static_cast<ssize_t>(noise.size()));
  std::size_t taken = 0, largest = 0;
  for (int round = 0; round < 200 && taken < noise.size(); ++round) {
    std::size_t piece = port.ReadAll().size();
    taken += piece;
    largest = std::max(largest, piece);
    if (piece == 0) ::usleep(1000);
  }
  EXPECT_EQ(taken, noise.size()) << "nothing is lost while nobody flushes";
  EXPECT_LE(largest, PosixSerialPort::kMaxPendingBytes + 511);
  port.Close();
  ::close(controller);
}

TEST(PosixLink, ARadioThatHangsUpClosesThePortAtOnce) {
  RadioBehaviour behaviour;
  behaviour.hangUpAfterFrames = 1;
  test::ServedRadio served(PatternImage(), behaviour);
  PosixSession pc;
  ASSERT_TRUE(pc.engine.OpenRadioPort(TransferKind::Read, served.path()).ok());
  pc.engine.Begin();
  auto start = std::chrono::steady_clock::now();
  pc.loop.RunUntil([&] { return !pc.port.IsOpen(); });
  // The hang-up is noticed from the line itself, not from the reply timer.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
  EXPECT_EQ(pc.engine.state().readState, kIdentityRequested);
  EXPECT_TRUE(pc.engine.running());
}

TEST(PosixLink, OnlyAGroupThatMayUseTheDeviceIsSuggested) {
  const struct group* dialout = ::getgrnam("dialout");
  if (::getuid() != 0 || dialout == nullptr) GTEST_SKIP() << "giving a file the group dialout needs root";
  auto node = std::filesystem::temp_directory_path() / ("zq-node-" + std::to_string(::getpid()));
  std::ofstream(node) << "";
  auto suggest = [&](std::filesystem::perms mode, gid_t group) {
    std::filesystem::permissions(node, mode);
    EXPECT_EQ(::chown(node.c_str(), ::getuid(), group), 0);
    return GroupThatMayOpen(node.string());
  };
  using P = std::filesystem::perms;
  const P readWrite = P::owner_read | P::owner_write | P::group_read | P::group_write;
  EXPECT_EQ(suggest(readWrite, dialout->gr_gid), "dialout");
  EXPECT_EQ(suggest(P::owner_read | P::owner_write, dialout->gr_gid), "");  // the group may not use it
  EXPECT_EQ(suggest(readWrite, 0), "");                                     // root's own group
  EXPECT_EQ(GroupThatMayOpen("/dev/zq-no-such-node"), "");
  std::filesystem::remove(node);
}

}  // namespace
}  // namespace zq
