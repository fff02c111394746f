#include <gtest/gtest.h>

#include "link/simulated_radio.h"
#include "link/test_images.h"

namespace zq {
namespace {

using test::PatternImage;

using namespace std::chrono_literals;

const RadioIdentity kRadio{"VESTRAX", true, "V100"};
const Bytes kGreetingReply = {'L', 'R', 0x06};

std::vector<Bytes> ReplyBytes(const std::vector<RadioReply>& replies) {
  std::vector<Bytes> bytes;
  for (const auto& r : replies) bytes.push_back(r.bytes);
  return bytes;
}

TEST(SimulatedRadio, AnswersEachFrameAsTheRadioDoes) {
  MemoryImage memory = PatternImage();
  SimulatedRadio radio(memory, kRadio);
  EXPECT_EQ(ReplyBytes(radio.Receive(GreetingFrame())), std::vector<Bytes>{kGreetingReply});
  EXPECT_EQ(ReplyBytes(radio.Receive(IdentRequestFrame())), std::vector<Bytes>{IdentReplyFrame(kRadio)});
  EXPECT_EQ(ReplyBytes(radio.Receive(ReadRequestFrame(0x20000))),
            std::vector<Bytes>{DataFrame(0x20000, memory.bytes())});
  EXPECT_EQ(ReplyBytes(radio.Receive(EndFrame())), std::vector<Bytes>{Bytes{0x06}});
  EXPECT_EQ(radio.framesReceived(), 4);
  EXPECT_EQ(radio.transfersEnded(), 1);
  // A request outside the radio's space or for another block length gets no answer.
  EXPECT_TRUE(radio.Receive(ReadRequestFrame(0x221F8)).empty());
  Bytes oddLength = ReadRequestFrame(0x100);
  oddLength[5] = 0x20;
  EXPECT_TRUE(radio.Receive(oddLength).empty());
}

TEST(SimulatedRadio, StoresWrittenBlocksAndIgnoresDamagedOnes) {
  MemoryImage source = PatternImage();
  SimulatedRadio radio(MemoryImage{}, kRadio);
  EXPECT_EQ(ReplyBytes(radio.Receive(DataFrame(0x18000, source.bytes()))), std::vector<Bytes>{Bytes{0x06}});
  EXPECT_EQ(radio.memory().Get(0x1800F), source.Get(0x1800F));
  Bytes damaged = DataFrame(0x18010, source.bytes());
  damaged[10] ^= 0x40;
  EXPECT_TRUE(radio.Receive(damaged).empty());
  EXPECT_EQ(radio.memory().Get(0x18014), 0);
  EXPECT_EQ(radio.blocksWritten(), 1);
}

TEST(SimulatedRadio, FramesBytesThatArriveInPiecesAndSkipsNoise) {
  SimulatedRadio radio(MemoryImage{}, kRadio);
  Bytes stream = {0x00, 'P', 'X', 0xFF};  // noise, and a lead byte that starts no frame
  Bytes greeting = GreetingFrame();
  stream.insert(stream.end(), greeting.begin(), greeting.end());
  stream.push_back(kIdentRequestByte);
  EXPECT_TRUE(radio.Receive(std::span(stream).first(6)).empty());
  EXPECT_EQ(ReplyBytes(radio.Receive(std::span(stream).subspan(6))),
            (std::vector<Bytes>{kGreetingReply, IdentReplyFrame(kRadio)}));
  EXPECT_EQ(radio.framesReceived(), 2);
}

TEST(SimulatedRadio, FaultsApplyToTheRepliesOfTheFramesTheyName) {
  MemoryImage memory = PatternImage();
  RadioBehaviour behaviour;
  behaviour.faults = {{FaultKind::Drop, 1, 2},
                      {FaultKind::CorruptChecksum, 3},
                      {FaultKind::WrongAddress, 4},
                      {FaultKind::Garbage, 5},
                      {FaultKind::CorruptChecksum, 6}};
  SimulatedRadio radio(memory, kRadio, behaviour);
  EXPECT_TRUE(radio.Receive(GreetingFrame()).empty());
  EXPECT_TRUE(radio.Receive(GreetingFrame()).empty());
  Bytes good = DataFrame(0x40, memory.bytes());

  Bytes corrupt = radio.Receive(ReadRequestFrame(0x40)).at(0).bytes;
  EXPECT_EQ(corrupt[22], static_cast<uint8_t>(good[22] + 1));
  EXPECT_EQ(Bytes(corrupt.begin(), corrupt.begin() + 22), Bytes(good.begin(), good.begin() + 22));

  Bytes moved = radio.Receive(ReadRequestFrame(0x40)).at(0).bytes;
  EXPECT_EQ(FrameAddress(moved), 0x50u);
  EXPECT_TRUE(IsWellFormedDataFrame(moved));  // only the address is wrong

  Bytes noisy = radio.Receive(ReadRequestFrame(0x40)).at(0).bytes;
  EXPECT_EQ(Bytes(noisy.begin(), noisy.begin() + 3), Bytes(kGarbageBytes.begin(), kGarbageBytes.end()));
  EXPECT_EQ(Bytes(noisy.begin() + 3, noisy.end()), good);

  EXPECT_EQ(ReplyBytes(radio.Receive(EndFrame())), std::vector<Bytes>{Bytes{0x07}});  // an Ack gone bad
  EXPECT_EQ(ReplyBytes(radio.Receive(ReadRequestFrame(0x40))), std::vector<Bytes>{good});
}

TEST(SimulatedRadio, StopsAnsweringOrHangsUpAfterTheGivenFrames) {
  RadioBehaviour silentLater;
  silentLater.stopAfterFrames = 1;
  SimulatedRadio quiet(MemoryImage{}, kRadio, silentLater);
  EXPECT_EQ(quiet.Receive(GreetingFrame()).size(), 1u);
  EXPECT_TRUE(quiet.Receive(GreetingFrame()).empty());
  EXPECT_FALSE(quiet.hungUp());

  RadioBehaviour vanishing;
  vanishing.hangUpAfterFrames = 1;
  SimulatedRadio gone(MemoryImage{}, kRadio, vanishing);
  EXPECT_EQ(gone.Receive(GreetingFrame()).size(), 1u);
  EXPECT_TRUE(gone.Receive(IdentRequestFrame()).empty());
  EXPECT_TRUE(gone.hungUp());
  EXPECT_TRUE(gone.Receive(GreetingFrame()).empty());
}

TEST(SimulatedRadio, WireTimingDelaysEachReplyByItsRequestAndItsOwnBytes) {
  RadioBehaviour behaviour;
  behaviour.baud = 115200;
  SimulatedRadio radio(MemoryImage{}, kRadio, behaviour);
  // 6 + 24 bytes of 10 bits at 115200 baud.
  EXPECT_EQ(radio.Receive(ReadRequestFrame(0)).at(0).delay, std::chrono::microseconds(2604));
  EXPECT_EQ(radio.Receive(GreetingFrame()).at(0).delay, std::chrono::microseconds(868));
  SimulatedRadio instant(MemoryImage{}, kRadio);
  EXPECT_EQ(instant.Receive(GreetingFrame()).at(0).delay, 0us);
}

}  // namespace
}  // namespace zq
