#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "datafile/test_support.h"
#include "link/comm_transfer.h"
#include "link/test_images.h"
#include "link/transfer_ranges.h"
#include "link_fakes.h"
#include "platform/diagnostic_log.h"
#include "text/language_table.h"

namespace zq {
namespace {

using test::PatternImage;

using namespace std::chrono_literals;
using test::FakeClock;
using test::FakePort;
using test::FakeTimer;
using test::RecordingHost;
using test::Rendered;

const Bytes kGreetingAck = {'L', 'R', 0x06};
const Bytes kAckByte = {0x06};

class TransferTest : public ::testing::Test {
 protected:
  void Start(TransferKind kind) {
    kind_ = kind;
    ASSERT_TRUE(engine.OpenRadioPort(kind, "/dev/ttyUSB0").ok());
    engine.Begin();
  }
  void PassIdentity(const RadioIdentity& identity = {"VESTRAX", true, "V100"}) {
    port.Arrive(kGreetingAck);
    port.Arrive(IdentReplyFrame(identity));
  }
  int16_t State() const { return kind_ == TransferKind::Read ? engine.state().readState : engine.state().writeState; }
  // Plays a radio that answers every block at once, until the end frame goes out.
  void AnswerBlocks(const MemoryImage& source) {
    while (engine.running() && (State() == kReadingBlocks || State() == kWritingBlocks)) {
      if (kind_ == TransferKind::Read)
        port.Arrive(DataFrame(FrameAddress(port.last()), source.bytes()));
      else
        port.Arrive(kAckByte);
    }
  }
  std::vector<Bytes> SentOfLength(std::size_t length) const {
    std::vector<Bytes> frames;
    for (const auto& s : port.sent)
      if (s.bytes.size() == length) frames.push_back(s.bytes);
    return frames;
  }

  FakeClock clock;
  FakePort port{&clock};
  FakeTimer timer{clock};
  MemoryImage image;
  VersionList versions = test::VersionsHandlingV100();
  RecordingHost host;
  TransferEngine engine{port, timer, image, versions, host};
  TransferKind kind_ = TransferKind::None;
};

TEST_F(TransferTest, ReadMovesExactlyTheTransferRangesAndEndsWithSuccess) {
  MemoryImage source = PatternImage();
  std::ranges::fill(image.bytes(), uint8_t{0xEE});  // a read starts from a cleared image
  Start(TransferKind::Read);
  EXPECT_EQ(port.opens, 1);
  EXPECT_EQ(port.openedDevice, "/dev/ttyUSB0");
  EXPECT_EQ(port.last(), GreetingFrame());
  EXPECT_EQ(port.threshold, 3u);
  EXPECT_EQ(State(), kGreetingSent);

  port.Arrive(kGreetingAck);
  EXPECT_EQ(port.last(), IdentRequestFrame());
  EXPECT_EQ(port.threshold, 16u);
  EXPECT_EQ(State(), kIdentityRequested);

  port.Arrive(IdentReplyFrame({"VESTRAX", true, "V100"}));
  EXPECT_EQ(port.last(), ReadRequestFrame(0));
  EXPECT_EQ(port.threshold, 24u);
  EXPECT_EQ(State(), kReadingBlocks);

  AnswerBlocks(source);
  EXPECT_EQ(port.last(), EndFrame());
  EXPECT_EQ(port.threshold, 1u);
  EXPECT_EQ(State(), kEndSentAfterBlocks);

  std::vector<Bytes> requests = SentOfLength(6);
  ASSERT_EQ(requests.size(), 1872u);
  EXPECT_EQ(FrameAddress(requests[199]), 0x00C70u);
  EXPECT_EQ(FrameAddress(requests[200]), 0x02000u);
  EXPECT_EQ(FrameAddress(requests.back()), 0x22160u);
  EXPECT_TRUE(host.outcomes.empty());

  port.Arrive(kAckByte);
  ASSERT_EQ(host.outcomes.size(), 1u);
  EXPECT_TRUE(host.outcome().success);
  EXPECT_EQ(host.outcome().kind, TransferKind::Read);
  EXPECT_EQ(Rendered(host.outcome().completionMessage), "Read Data Completed.");
  EXPECT_TRUE(host.outcome().messages.empty());
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(timer.running());
  EXPECT_FALSE(engine.running());
  EXPECT_EQ(engine.state().readState, kIdle);
  for (uint32_t a = 0; a < kImageSize; ++a)
    ASSERT_EQ(image.Get(a), InTransferRanges(a) ? source.Get(a) : 0) << std::hex << a;
  EXPECT_EQ(host.progress.back(), 100);
  for (std::size_t k = 1; k < host.progress.size(); ++k) EXPECT_GT(host.progress[k], host.progress[k - 1]);
  EXPECT_TRUE(engine.identity().hfCapable);
}

TEST_F(TransferTest, WriteSendsEveryBlockOfTheRangesAsDataFrames) {
  image = PatternImage();
  Start(TransferKind::Write);
  PassIdentity();
  EXPECT_EQ(State(), kWritingBlocks);
  EXPECT_EQ(port.last(), DataFrame(0, image.bytes()));
  EXPECT_EQ(port.threshold, 1u);
  AnswerBlocks(image);
  EXPECT_EQ(State(), kEndSentAfterBlocks);
  EXPECT_EQ(port.last(), EndFrame());

  std::vector<Bytes> blocks = SentOfLength(24);
  ASSERT_EQ(blocks.size(), 1872u);
  for (const Bytes& frame : blocks) {
    uint32_t address = FrameAddress(frame);
    ASSERT_TRUE(InTransferRanges(address));
    ASSERT_EQ(frame, DataFrame(address, image.bytes()));
  }
  EXPECT_EQ(FrameAddress(blocks.back()), 0x22160u);

  port.Arrive(kAckByte);
  EXPECT_TRUE(host.outcome().success);
  EXPECT_EQ(Rendered(host.outcome().completionMessage), "Write Data Completed.");
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(engine.state().writeState, kIdle);
}

TEST_F(TransferTest, WrongModelSendsTheEndFrameAndShowsTheMessageAfterTheEnd) {
  for (TransferKind kind : {TransferKind::Read, TransferKind::Write}) {
    SCOPED_TRACE(static_cast<int>(kind));
    host.outcomes.clear();
    const int language = kind == TransferKind::Read ? kEnglish : kChinese;
    Start(kind);
    PassIdentity({"OTHER", true, "V100"});
    EXPECT_EQ(State(), kEndSentAfterRejection);
    EXPECT_EQ(port.last(), EndFrame());
    EXPECT_TRUE(host.outcomes.empty());  // nothing is shown before the radio acknowledges
    port.Arrive(kAckByte);
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_FALSE(host.outcome().success);
    EXPECT_EQ(host.outcome().failure, TransferFailure::WrongModel);
    std::string expected(Text(Txt::ModelWrong, kind == TransferKind::Read ? kEnglish : kChinese));
    EXPECT_EQ(Rendered(host.outcome().messages, language), std::vector<std::string>{expected});
    EXPECT_FALSE(host.outcome().completionMessage);
    EXPECT_FALSE(port.IsOpen());
  }
  EXPECT_TRUE(SentOfLength(6).empty());
  EXPECT_TRUE(SentOfLength(24).empty());
}

TEST_F(TransferTest, IncompatibleFirmwareAsksAtOnceAndEndsWithoutSuccess) {
  Start(TransferKind::Read);
  PassIdentity({"VESTRAX", false, "V101"});
  EXPECT_EQ(host.askedVersions, std::vector<std::string>{"V101"});
  EXPECT_EQ(State(), kEndSentAfterRejection);
  port.Arrive(kAckByte);
  EXPECT_EQ(host.outcome().failure, TransferFailure::IncompatibleVersion);
  EXPECT_TRUE(host.outcome().messages.empty());
  EXPECT_EQ(engine.identity().firmwareVersion, "V101");
  EXPECT_FALSE(engine.identity().hfCapable);
}

TEST_F(TransferTest, ClosingThePortForAnotherReleaseEndsTheTransferWithNothingMoreSent) {
  struct ClosingHost : RecordingHost {
    TransferEngine* engine = nullptr;
    void AskIncompatibleVersion(const std::string& version) override {
      RecordingHost::AskIncompatibleVersion(version);
      engine->ClosePort();  // "Yes", the port is closed, and then the release turns out to be missing
    }
  } closing;
  TransferEngine asking(port, timer, image, versions, closing);
  closing.engine = &asking;
  ASSERT_TRUE(asking.OpenRadioPort(TransferKind::Write, "/dev/ttyUSB0").ok());
  asking.Begin();
  PassIdentity({"VESTRAX", true, "V300"});
  ASSERT_EQ(closing.outcomes.size(), 1u);
  EXPECT_EQ(closing.outcome().failure, TransferFailure::IncompatibleVersion);
  EXPECT_TRUE(closing.outcome().messages.empty());
  EXPECT_FALSE(asking.running());
  clock.RunUntilIdle();
  EXPECT_EQ(port.opens, 1);
  EXPECT_EQ(port.last(), IdentRequestFrame());
  EXPECT_FALSE(port.IsOpen());
}

TEST_F(TransferTest, SilentRadioGetsTheGreetingFiveTimesOneSecondApart) {
  test::TempFolder dir;
  const auto log = dir / "zq4071.log";
  OpenDiagnosticLog(log);
  Start(TransferKind::Read);
  clock.RunUntilIdle();
  ASSERT_EQ(port.sent.size(), 5u);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(port.sent[k].bytes, GreetingFrame());
    EXPECT_EQ(port.sent[k].at, std::chrono::seconds(k));
  }
  EXPECT_EQ(clock.now(), 5s);
  ASSERT_EQ(host.outcomes.size(), 1u);
  EXPECT_EQ(host.outcome().failure, TransferFailure::NoResponse);
  EXPECT_EQ(Rendered(host.outcome().messages), std::vector<std::string>{"No response from the radio."});
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(engine.running());

  // The diagnostic log keeps the transfer's start and how it ended.
  CloseDiagnosticLog();
  std::ifstream in(log);
  std::string started, ended;
  std::getline(in, started);
  std::getline(in, ended);
  EXPECT_NE(started.find("read started"), std::string::npos) << started;
  EXPECT_NE(ended.find("read ended: no response, 4 retransmissions"), std::string::npos) << ended;
}

TEST_F(TransferTest, MalformedRepliesAreIgnoredAndTheSameRequestGoesAgainASecondLater) {
  MemoryImage source = PatternImage();
  Start(TransferKind::Read);
  PassIdentity();
  port.Arrive(DataFrame(0, source.bytes()));
  ASSERT_EQ(port.last(), ReadRequestFrame(0x10));
  Bytes good = DataFrame(0x10, source.bytes());

  Bytes wrongAddress = DataFrame(0x20, source.bytes());
  Bytes badChecksum = good;
  ++badChecksum[22];
  Bytes badTrailer = good;
  badTrailer[23] = 0x00;
  Bytes withNoise = {0x00, 0xFF, 0x13};
  withNoise.insert(withNoise.end(), good.begin(), good.end());
  for (const Bytes& bad : {wrongAddress, badChecksum, badTrailer, withNoise}) {
    std::size_t sentBefore = port.sent.size();
    port.Arrive(bad);
    EXPECT_EQ(port.sent.size(), sentBefore) << "a bad reply must not advance the transfer";
    clock.Advance(1s);
    ASSERT_EQ(port.sent.size(), sentBefore + 1);
    EXPECT_EQ(port.last(), ReadRequestFrame(0x10));
  }
  EXPECT_EQ(engine.state().tryCount, 5);  // the fifth transmission of this request
  port.Arrive(good);
  EXPECT_EQ(port.last(), ReadRequestFrame(0x20));
  EXPECT_EQ(engine.state().tryCount, 1);
  EXPECT_EQ(image.Get(0x10), source.Get(0x10));
}

TEST_F(TransferTest, AReplyIsNeverAssembledFromTwoReceiveEvents) {
  MemoryImage source = PatternImage();
  Start(TransferKind::Read);
  PassIdentity();
  Bytes good = DataFrame(0, source.bytes());
  port.Arrive(Bytes(good.begin(), good.begin() + 20));  // below the threshold: not yet looked at
  EXPECT_EQ(port.sent.size(), 3u);
  clock.Advance(1s);  // the retransmission discards the fragment
  EXPECT_EQ(port.sent.size(), 4u);
  port.Arrive(good);
  EXPECT_EQ(port.last(), ReadRequestFrame(0x10));
}

TEST_F(TransferTest, AConfusedRadioCannotAcknowledgeABlockWithAnotherReply) {
  image = PatternImage();
  Start(TransferKind::Write);
  PassIdentity();
  port.Arrive(kAckByte);
  ASSERT_EQ(port.last(), DataFrame(0x10, image.bytes()));
  port.Arrive(kGreetingAck);  // the right length to be looked at, but not an Ack
  EXPECT_EQ(port.last(), DataFrame(0x10, image.bytes()));
  EXPECT_EQ(engine.state().address, 0x10);
  clock.Advance(1s);
  EXPECT_EQ(port.last(), DataFrame(0x10, image.bytes()));
  EXPECT_EQ(engine.state().tryCount, 2);
}

TEST_F(TransferTest, WriteThatStopsAfterBlocksWarnsThatTheRadioMayBePartlyWritten) {
  Start(TransferKind::Write);
  PassIdentity();
  port.Arrive(kAckByte);
  clock.RunUntilIdle();
  EXPECT_EQ(host.outcome().failure, TransferFailure::NoResponse);
  EXPECT_EQ(Rendered(host.outcome().messages, kChinese),
            (std::vector<std::string>{std::string(Text(Txt::NoResponse, kChinese)),
                                      std::string(Text(Txt::RadioPartlyWritten, kChinese))}));
}

TEST_F(TransferTest, WriteThatNeverReachedTheBlocksOnlyReportsTheSilence) {
  Start(TransferKind::Write);
  port.Arrive(kGreetingAck);
  clock.RunUntilIdle();
  EXPECT_EQ(Rendered(host.outcome().messages), std::vector<std::string>{"No response from the radio."});
}

TEST_F(TransferTest, CancelAtTheConfirmationClosesThePortAgain) {
  ASSERT_TRUE(engine.OpenRadioPort(TransferKind::Write, "/dev/ttyUSB0").ok());
  EXPECT_TRUE(port.IsOpen());
  EXPECT_EQ(port.threshold, 1u);
  port.Arrive(kAckByte);  // a stray byte while the question is open changes nothing
  engine.Cancel();
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(engine.running());
  EXPECT_TRUE(port.sent.empty());
  EXPECT_TRUE(host.outcomes.empty());
}

TEST_F(TransferTest, APortThatDoesNotOpenLeavesNoTransfer) {
  port.openFailure = PortFailure::Busy;
  PortOpenResult result = engine.OpenRadioPort(TransferKind::Read, "/dev/ttyUSB0");
  EXPECT_EQ(result.failure, PortFailure::Busy);
  EXPECT_FALSE(engine.running());
  engine.Begin();
  EXPECT_TRUE(port.sent.empty());
  EXPECT_FALSE(timer.running());
}

TEST_F(TransferTest, APortThatWentAwayEndsTheTransferAndIsNeverOpenedAgain) {
  // Its name may lead to another device by now, one never greeted.
  Start(TransferKind::Write);
  PassIdentity();
  for (int k = 0; k < 10; ++k) port.Arrive(kAckByte);
  const std::size_t sent = port.sent.size();
  port.Unplug();
  clock.RunUntilIdle();
  EXPECT_EQ(port.opens, 1);
  EXPECT_EQ(port.sent.size(), sent);
  ASSERT_EQ(host.outcomes.size(), 1u);
  EXPECT_EQ(host.outcome().failure, TransferFailure::NoResponse);
  EXPECT_TRUE(host.outcome().blocksSent);
  EXPECT_EQ(Rendered(host.outcome().messages),
            (std::vector<std::string>{"No response from the radio.",
                                      "The radio may be partly written. Write it again before use."}));
  EXPECT_FALSE(timer.running());

  // A stop by the user ends a write at once, as stopped, with the same warning.
  Start(TransferKind::Write);
  PassIdentity();
  port.Arrive(kAckByte);
  engine.Abort();
  ASSERT_EQ(host.outcomes.size(), 2u);
  EXPECT_EQ(host.outcomes[1].failure, TransferFailure::Stopped);
  EXPECT_EQ(Rendered(host.outcomes[1].messages),
            std::vector<std::string>{"The radio may be partly written. Write it again before use."});
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(timer.running());
}

TEST_F(TransferTest, ProgressRoundsHalvesToEvenAndIsShownOnlyWhenItGrows) {
  std::vector<std::pair<int32_t, int>> shown;  // (block address, percent)
  struct Host : RecordingHost {
    std::vector<std::pair<int32_t, int>>* shown;
    const TransferEngine* engine;
    void ShowProgress(int percent) override { shown->emplace_back(engine->state().address, percent); }
  } progressHost;
  progressHost.shown = &shown;
  TransferEngine writer(port, timer, image, versions, progressHost);
  progressHost.engine = &writer;
  ASSERT_TRUE(writer.OpenRadioPort(TransferKind::Write, "/dev/ttyUSB0").ok());
  writer.Begin();
  PassIdentity();
  while (writer.running() && writer.state().writeState == kWritingBlocks) port.Arrive(kAckByte);

  ASSERT_FALSE(shown.empty());
  for (std::size_t k = 1; k < shown.size(); ++k) ASSERT_GT(shown[k].second, shown[k - 1].second);
  auto firstAt = [&](int percent) {
    auto it = std::ranges::find(shown, percent, &std::pair<int32_t, int>::second);
    return it == shown.end() ? -1 : it->first;
  };
  // 0x4440 is exactly 12.5 % of the space: the half goes to the even 12.
  EXPECT_LT(firstAt(12), 0x4440);
  EXPECT_EQ(firstAt(13), 0x4450);
  EXPECT_EQ(shown.back().second, 100);
  EXPECT_EQ(firstAt(0), -1);  // 0 % is never "grown to"
}

TEST(PendingMessages, KeepsOrderAndDropsTextsBeyondTheCapacity) {
  PendingMessages pending;
  for (int k = 0; k < 1005; ++k) pending.Queue({Txt::VerifyMismatch, {std::to_string(k)}});
  EXPECT_EQ(pending.size(), 1001u);
  auto texts = pending.Take();
  ASSERT_EQ(texts.size(), 1001u);
  EXPECT_EQ(texts.front().values, std::vector<std::string>{"0"});
  EXPECT_EQ(texts.back().values, std::vector<std::string>{"1000"});
  EXPECT_EQ(pending.size(), 0u);
}

}  // namespace
}  // namespace zq
