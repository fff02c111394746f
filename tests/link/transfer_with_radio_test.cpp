// Whole transfers between the engine and the simulated radio, on a fake clock.
#include <gtest/gtest.h>

#include "config/defaults.h"
#include "image/image_codec.h"
#include "link/comm_transfer.h"
#include "link/read_result.h"
#include "link/simulated_port.h"
#include "link/test_images.h"
#include "link_fakes.h"
#include "support/random_config.h"

namespace zq {
namespace {

using test::PatternImage;
using test::SameInRanges;

using namespace std::chrono_literals;
using test::FakeClock;
using test::FakeTimer;
using test::RecordingHost;

class RadioSession {
 public:
  explicit RadioSession(RadioBehaviour behaviour = {}, RadioIdentity identity = {"VESTRAX", false, "V100"},
                        MemoryImage memory = PatternImage())
      : radio(std::move(memory), std::move(identity), std::move(behaviour)),
        port(radio, [this](std::chrono::microseconds delay, std::function<void()> deliver) {
          clock.Schedule(delay, std::move(deliver));
        }) {}

  const TransferOutcome& Run(TransferKind kind) {
    EXPECT_TRUE(engine.OpenRadioPort(kind, "simulated").ok());
    engine.Begin();
    clock.RunUntilIdle();
    EXPECT_FALSE(engine.running());
    EXPECT_FALSE(port.IsOpen());
    return host.outcomes.at(0);
  }
  // Frames the radio received beyond those of a clean transfer: the retransmissions.
  int ExtraFrames() const { return radio.framesReceived() - (TransferBlockCount() + 3); }

  FakeClock clock;
  SimulatedRadio radio;
  SimulatedPort port;
  FakeTimer timer{clock};
  MemoryImage image;
  VersionList versions = test::VersionsHandlingV100();
  RecordingHost host;
  TransferEngine engine{port, timer, image, versions, host};
};

TEST(TransferWithRadio, ReadBringsBackTheRadioMemoryAndItsIdentity) {
  RadioSession session;
  const TransferOutcome& outcome = session.Run(TransferKind::Read);
  EXPECT_TRUE(outcome.success);
  EXPECT_TRUE(SameInRanges(session.image, session.radio.memory()));
  EXPECT_EQ(session.ExtraFrames(), 0);
  EXPECT_EQ(session.engine.identity().model, "VESTRAX");
  EXPECT_FALSE(session.engine.identity().hfCapable);
  EXPECT_EQ(session.clock.now(), 0us);  // nothing waited for a time-out
}

TEST(TransferWithRadio, WriteLeavesTheImageInTheRadio) {
  RadioSession session({}, {"VESTRAX", true, "V100"}, MemoryImage{});
  session.image = PatternImage();
  EXPECT_TRUE(session.Run(TransferKind::Write).success);
  EXPECT_TRUE(SameInRanges(session.radio.memory(), session.image));
  EXPECT_EQ(session.radio.blocksWritten(), 1872);
  EXPECT_EQ(session.radio.transfersEnded(), 1);
  // Nothing outside the ranges reaches the radio.
  EXPECT_EQ(session.radio.memory().Get(0x16341), 0);
}

TEST(TransferWithRadio, EachRecoverableFaultCostsOneRetransmissionAndOneSecond) {
  for (FaultKind kind : {FaultKind::Drop, FaultKind::CorruptChecksum, FaultKind::WrongAddress, FaultKind::Garbage}) {
    SCOPED_TRACE(static_cast<int>(kind));
    RadioBehaviour behaviour;
    behaviour.faults = {{kind, 500, 1}};
    RadioSession session(behaviour);
    EXPECT_TRUE(session.Run(TransferKind::Read).success);
    EXPECT_EQ(session.ExtraFrames(), 1);
    EXPECT_EQ(session.clock.now(), 1s);
    EXPECT_TRUE(SameInRanges(session.image, session.radio.memory()));
  }
}

TEST(TransferWithRadio, FourBadRepliesToOneFrameAreSurvivedAndFiveAreNot) {
  RadioBehaviour four;
  four.faults = {{FaultKind::Drop, 10, 4}};
  RadioSession survives(four);
  EXPECT_TRUE(survives.Run(TransferKind::Write).success);
  EXPECT_EQ(survives.clock.now(), 4s);

  RadioBehaviour five;
  five.faults = {{FaultKind::CorruptChecksum, 10, 5}};
  RadioSession fails(five);
  const TransferOutcome& outcome = fails.Run(TransferKind::Read);
  EXPECT_EQ(outcome.failure, TransferFailure::NoResponse);
  EXPECT_EQ(fails.clock.now(), 5s);
  EXPECT_EQ(fails.radio.framesReceived(), 14);  // frame 10 went out five times
}

TEST(TransferWithRadio, ARadioThatStopsMidWriteLeavesAWarning) {
  RadioBehaviour behaviour;
  behaviour.stopAfterFrames = 100;
  RadioSession session(behaviour);
  const TransferOutcome& outcome = session.Run(TransferKind::Write);
  EXPECT_EQ(outcome.failure, TransferFailure::NoResponse);
  EXPECT_EQ(outcome.messages.size(), 2u);
  EXPECT_EQ(session.radio.framesReceived(), 105);
}

TEST(TransferWithRadio, ARadioThatDisappearsEndsTheReadWithoutResult) {
  RadioBehaviour behaviour;
  behaviour.hangUpAfterFrames = 50;
  RadioSession session(behaviour);
  const TransferOutcome& outcome = session.Run(TransferKind::Read);
  EXPECT_FALSE(outcome.success);
  EXPECT_EQ(outcome.failure, TransferFailure::NoResponse);
  EXPECT_EQ(test::Rendered(outcome.messages), std::vector<std::string>{"No response from the radio."});
  EXPECT_EQ(session.clock.now(), 5s);
}

TEST(TransferWithRadio, WireSpeedReadTakesTheTimeItsBytesNeed) {
  RadioBehaviour behaviour;
  behaviour.baud = 115200;
  RadioSession session(behaviour);
  EXPECT_TRUE(session.Run(TransferKind::Read).success);
  // (7+3) + (1+16) + 1872 * (6+24) + (3+1) bytes of 10 bits: 4.878 s, less the
  // microseconds each reply's delay loses to rounding.
  EXPECT_GT(session.clock.now(), 4870ms);
  EXPECT_LT(session.clock.now(), 4880ms);
}

TEST(TransferWithRadio, ConfigurationIsReplacedOnlyByACompletedRead) {
  RadioConfig radioConfig = testing::RandomConfig(3).Make();
  MemoryImage radioMemory;
  EncodeImage(radioConfig, radioMemory);

  RadioConfig cfg;
  DocumentState doc;
  SetDefaultValues(cfg, doc, Date{2024, 5, 1});
  doc.fileName = "/home/user/unsaved.dat";
  doc.untitled = false;
  const RadioConfig before = cfg;

  RadioBehaviour vanishing;
  vanishing.hangUpAfterFrames = 900;
  RadioSession broken(vanishing, {"VESTRAX", true, "V100"}, radioMemory);
  EXPECT_FALSE(ApplyCompletedRead(broken.Run(TransferKind::Read), broken.image, cfg, doc));
  EXPECT_TRUE(cfg == before);
  EXPECT_EQ(doc.fileName, "/home/user/unsaved.dat");
  EXPECT_FALSE(doc.untitled);

  RadioSession working({}, {"VESTRAX", true, "V100"}, radioMemory);
  EXPECT_TRUE(ApplyCompletedRead(working.Run(TransferKind::Read), working.image, cfg, doc));
  // What the radio holds as far as the transfer ranges show it.
  MemoryImage transferred = test::OnlyRanges(radioMemory);
  RadioConfig expected = before;
  DecodeImage(transferred, expected);
  EXPECT_TRUE(cfg == expected);
  EXPECT_EQ(doc.fileName, "new.dat");
  EXPECT_TRUE(doc.untitled);
  EXPECT_EQ(doc.rangeText, RangeTextOfIndex(radioConfig.RangeIndex()));
}

TEST(TransferWithRadio, TheScanAddBitOfTheHamVfoChannelNeverReachesTheRadio) {
  RadioConfig written = testing::RandomConfig(5).Make();
  ChannelRecord& vfo = written.Channel({kHAM, VfoGroup(kHAM)}, 1);
  vfo.ScanAdd = 1;
  MemoryImage encoded;
  EncodeImage(written, encoded);
  ASSERT_EQ(encoded.Get(0x16341) & 1, 1);

  RadioSession writer({}, {"VESTRAX", true, "V100"}, MemoryImage{});
  writer.image = encoded;
  ASSERT_TRUE(writer.Run(TransferKind::Write).success);
  EXPECT_EQ(writer.radio.memory().Get(0x16341), 0);

  RadioSession reader({}, {"VESTRAX", true, "V100"}, writer.radio.memory());
  TransferOutcome outcome = reader.Run(TransferKind::Read);
  RadioConfig back, direct;
  DocumentState doc;
  ASSERT_TRUE(ApplyCompletedRead(outcome, reader.image, back, doc));
  DecodeImage(encoded, direct);
  EXPECT_EQ(direct.Channel({kHAM, VfoGroup(kHAM)}, 1).ScanAdd, 1);
  EXPECT_EQ(back.Channel({kHAM, VfoGroup(kHAM)}, 1).ScanAdd, 0);
  back.Channel({kHAM, VfoGroup(kHAM)}, 1).ScanAdd = 1;
  EXPECT_TRUE(back == direct);  // everything else made the round trip
}

}  // namespace
}  // namespace zq
