// A series of radios on the simulated line, on a fake clock.
#include "link/radio_series.h"

#include <gtest/gtest.h>

#include "link/simulated_port.h"
#include "link/test_images.h"
#include "link_fakes.h"

namespace zq {
namespace {

using namespace std::chrono_literals;
using test::FakeClock;
using test::FakeTimer;
using test::Micros;

constexpr auto kStay = 2500ms;  // several greetings reach a radio before it is taken away
constexpr auto kAbsence = 4000ms;

class SeriesLine : public SeriesHost {
 public:
  explicit SeriesLine(RadioBehaviour behaviour)
      : radio(MemoryImage{}, {"VESTRAX", true, "V100"}, std::move(behaviour)),
        port(radio,
             [this](Micros delay, std::function<void()> deliver) { clock.Schedule(delay, std::move(deliver)); }) {
    radio.SetClock([this] { return clock.now(); });
  }

  void WaitingForRadio(int number) override { events.push_back("wait " + std::to_string(number)); }
  void WritingRadio(int number) override {
    events.push_back("write " + std::to_string(number));
    writeStarts.push_back(clock.now());
    if (number == stopWhileWriting) series.Stop();
  }
  void ShowProgress(int) override {}
  void RadioDone(const SeriesRadio& r) override {
    events.push_back("done " + std::to_string(r.number));
    done.push_back(r);
    doneAt.push_back(clock.now());
  }
  void WaitingForRemoval(int number) override { events.push_back("take away " + std::to_string(number)); }
  void SeriesEnded() override { events.push_back("ended"); }

  FakeClock clock;
  SimulatedRadio radio;
  SimulatedPort port;
  FakeTimer timer{clock};
  MemoryImage image = test::PatternImage();
  VersionList versions = test::VersionsHandlingV100();
  RadioSeries series{port, timer, image, versions, *this};
  int stopWhileWriting = 0;
  std::vector<std::string> events;
  std::vector<SeriesRadio> done;
  std::vector<Micros> writeStarts, doneAt;
};

TEST(RadioSeries, ThreeRadiosOneDroppingOutInTheMiddle) {
  RadioBehaviour line;
  line.series = {3, kStay, kAbsence, {{2, 200}}};  // radio 2 goes after 200 frames, half-way into its write
  SeriesLine run(line);
  run.stopWhileWriting = 3;
  ASSERT_TRUE(run.series.Start({"simulated", true}).ok());
  while (run.series.running() && run.clock.now() < 120s) run.clock.Advance(50ms);

  // Radio 2 stopped answering: it has gone already, and nobody waits for it to be taken away.
  EXPECT_EQ(run.events, (std::vector<std::string>{"wait 1", "write 1", "done 1", "take away 1", "wait 2", "write 2",
                                                  "done 2", "wait 3", "write 3", "done 3", "ended"}));
  ASSERT_EQ(run.done.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    ASSERT_TRUE(run.done[k].outcome.identity) << k;
    EXPECT_EQ(run.done[k].outcome.identity->extraBytes, (std::array<uint8_t, 3>{0, 0, uint8_t(k + 1)}));
  }
  EXPECT_TRUE(run.done[0].outcome.success && run.done[0].verified);
  EXPECT_FALSE(run.done[1].outcome.success);
  EXPECT_EQ(run.done[1].outcome.failure, TransferFailure::NoResponse);
  EXPECT_TRUE(run.done[2].outcome.success && run.done[2].verified);
  EXPECT_TRUE(test::SameInRanges(run.radio.memory(), run.image));  // the third radio holds the image
  EXPECT_EQ(run.series.written(), 2);
  EXPECT_EQ(run.series.failed(), 1);

  // The next write waits until the radio has been taken away and the next one
  // answers a greeting, which goes out about once a second.
  const Micros gone = run.doneAt[0] + kStay + kAbsence;
  EXPECT_GE(run.writeStarts[1], gone);
  EXPECT_LE(run.writeStarts[1], gone + 1100ms);
  // A stop during the third write lets it finish, then nothing more goes out.
  EXPECT_FALSE(run.port.IsOpen());
  const int frames = run.radio.framesReceived();
  run.clock.Advance(10s);
  EXPECT_EQ(run.radio.framesReceived(), frames);
}

}  // namespace
}  // namespace zq
