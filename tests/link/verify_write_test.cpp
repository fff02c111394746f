// A write read back and compared: it catches a radio that acknowledges a block
// without storing it, which an unverified write reports as a success.
#include <gtest/gtest.h>

#include "link/comm_transfer.h"
#include "link/read_back.h"
#include "link/simulated_port.h"
#include "link/test_images.h"
#include "link/transfer_ranges.h"
#include "link_fakes.h"

namespace zq {
namespace {

using test::FakeClock;
using test::FakeTimer;
using test::PatternImage;
using test::Rendered;

constexpr int kFramesPerTransfer = 1872 + 3;  // greeting, identity, blocks, end

// Every byte differs from the 0xFF the radio starts with.
MemoryImage FilledWith(uint8_t value) {
  MemoryImage image;
  std::ranges::fill(image.bytes(), value);
  return image;
}

// The address of the n-th block (from 0) a transfer moves.
uint32_t BlockAddress(int n) {
  int32_t address = 0;
  while (n-- > 0) address = NextBlockAddress(address + kBlockLength);
  return static_cast<uint32_t>(address);
}

class CountingHost : public test::RecordingHost {
 public:
  void VerifyStarted() override {
    ++verifyStarts;
    progressAtVerify = progress.size();
  }
  int verifyStarts = 0;
  std::size_t progressAtVerify = 0;
};

class WriteSession {
 public:
  explicit WriteSession(RadioBehaviour behaviour = {}, bool verify = true)
      : radio(FilledWith(0xFF), {"VESTRAX", true, "V100"}, std::move(behaviour)),
        port(radio, [this](std::chrono::microseconds delay, std::function<void()> deliver) {
          clock.Schedule(delay, std::move(deliver));
        }) {
    engine.SetVerifyAfterWrite(verify);
  }

  const TransferOutcome& Write() {
    EXPECT_TRUE(engine.OpenRadioPort(TransferKind::Write, "simulated").ok());
    engine.Begin();
    clock.RunUntilIdle();
    EXPECT_FALSE(engine.running());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(host.outcomes.size(), 1u);
    return host.outcomes.at(0);
  }

  FakeClock clock;
  SimulatedRadio radio;
  SimulatedPort port;
  FakeTimer timer{clock};
  MemoryImage image = PatternImage();
  VersionList versions = test::VersionsHandlingV100();
  CountingHost host;
  TransferEngine engine{port, timer, image, versions, host};
};

RadioBehaviour LosingFrame(int frame) {
  RadioBehaviour behaviour;
  behaviour.faults = {{FaultKind::LoseBlock, frame, 1}};
  return behaviour;
}

TEST(VerifyWrite, AnUnverifiedWriteReportsSuccessWhenTheRadioLosesABlock) {
  WriteSession session(LosingFrame(500), false);
  const TransferOutcome& outcome = session.Write();
  EXPECT_TRUE(outcome.success);
  EXPECT_EQ(Rendered(outcome.completionMessage), "Write Data Completed.");
  EXPECT_EQ(session.radio.blocksWritten(), 1871);
  // Frame 500 carried the 498th block; the radio still holds what it had there.
  EXPECT_EQ(session.radio.memory().Get(BlockAddress(497)), 0xFF);
  EXPECT_EQ(session.radio.memory().Get(BlockAddress(498)), session.image.Get(BlockAddress(498)));
  EXPECT_EQ(session.host.verifyStarts, 0);
  EXPECT_EQ(session.radio.framesReceived(), kFramesPerTransfer);
}

TEST(VerifyWrite, CatchesTheLostBlockAndNamesItsAddress) {
  WriteSession session(LosingFrame(500));
  const TransferOutcome& outcome = session.Write();
  EXPECT_FALSE(outcome.success);
  EXPECT_EQ(outcome.kind, TransferKind::Write);
  EXPECT_EQ(outcome.failure, TransferFailure::VerifyMismatch);
  ASSERT_TRUE(outcome.difference);
  EXPECT_EQ(outcome.difference->firstAddress, BlockAddress(497));
  EXPECT_EQ(outcome.difference->blocks, 1);
  EXPECT_TRUE(outcome.blocksSent);
  EXPECT_FALSE(outcome.completionMessage);
  char address[16];
  std::snprintf(address, sizeof address, "0x%05X", BlockAddress(497));
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(Rendered(outcome.messages)[0],
            "Verify failed: the radio does not hold what was written, first at address " + std::string(address) +
                " (1 of 1872 blocks differ). Write it again before use.");
  // Two whole sessions: the write, then an ordinary read of the same blocks.
  EXPECT_EQ(session.radio.transfersEnded(), 2);
  EXPECT_EQ(session.radio.framesReceived(), 2 * kFramesPerTransfer);
  EXPECT_EQ(session.host.verifyStarts, 1);
}

TEST(VerifyWrite, AGoodRadioPassesAndOnlyTheTransferRangesAreCompared) {
  WriteSession session;
  // The image holds bytes outside the ranges that never reach the radio.
  ASSERT_NE(session.image.Get(0x16341), 0);
  const TransferOutcome& outcome = session.Write();
  EXPECT_TRUE(outcome.success);
  EXPECT_FALSE(outcome.difference);
  EXPECT_TRUE(outcome.messages.empty());
  EXPECT_EQ(Rendered(outcome.completionMessage), "Write Data Completed.");
  EXPECT_EQ(session.radio.framesReceived(), 2 * kFramesPerTransfer);
  // The read-back shows its own progress from the start again, up to 100.
  const auto& progress = session.host.progress;
  ASSERT_GT(progress.size(), session.host.progressAtVerify);
  EXPECT_EQ(progress[session.host.progressAtVerify - 1], 100);
  EXPECT_LT(progress[session.host.progressAtVerify], 10);
  EXPECT_EQ(progress.back(), 100);
  // The engine's own image is still the one sent.
  EXPECT_TRUE(session.image == PatternImage());
}

TEST(VerifyWrite, ARadioThatFallsSilentDuringTheReadBackFailsTheWriteUnchecked) {
  RadioBehaviour behaviour;
  behaviour.stopAfterFrames = kFramesPerTransfer + 10;
  WriteSession session(behaviour);
  const TransferOutcome& outcome = session.Write();
  EXPECT_FALSE(outcome.success);
  EXPECT_EQ(outcome.failure, TransferFailure::NoResponse);
  EXPECT_TRUE(outcome.blocksSent);
  EXPECT_FALSE(outcome.difference);
  EXPECT_EQ(Rendered(outcome.messages),
            (std::vector<std::string>{"No response from the radio.",
                                      "The data written could not be read back for checking."}));
}

TEST(VerifyWrite, BlocksSentTellsWhetherTheRadioMayHoldAnyOfTheImage) {
  RadioBehaviour midway;
  midway.stopAfterFrames = 100;
  WriteSession stopped(midway, false);
  EXPECT_TRUE(stopped.Write().blocksSent);

  WriteSession refused({}, true);
  refused.radio = SimulatedRadio(MemoryImage{}, {"OTHER", true, "V100"});
  const TransferOutcome& outcome = refused.Write();
  EXPECT_EQ(outcome.failure, TransferFailure::WrongModel);
  EXPECT_FALSE(outcome.blocksSent);
  EXPECT_EQ(refused.host.verifyStarts, 0);
}

TEST(VerifyWrite, TheComparisonCountsDifferingBlocksAndFindsTheFirstByte) {
  MemoryImage sent = PatternImage(), back = PatternImage();
  EXPECT_FALSE(CompareTransferRanges(sent, back));
  back.Put(0x16341, 0x55);  // outside the ranges
  EXPECT_FALSE(CompareTransferRanges(sent, back));
  back.Put(0x02007, static_cast<uint8_t>(sent.Get(0x02007) + 1));
  back.Put(0x0200F, static_cast<uint8_t>(sent.Get(0x0200F) + 1));  // the same block
  back.Put(0x22160, static_cast<uint8_t>(sent.Get(0x22160) + 1));  // the last block
  auto difference = CompareTransferRanges(sent, back);
  ASSERT_TRUE(difference);
  EXPECT_EQ(difference->firstAddress, 0x02007u);
  EXPECT_EQ(difference->blocks, 2);
}

}  // namespace
}  // namespace zq
