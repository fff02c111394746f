// The system's sound output of the roger-beep preview never holds the program
// up, whether or not a sound device exists.
#include "platform/qt/current_tone_output.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace zq {
namespace {

TEST(SystemToneOutput, ATwoSecondToneReturnsAtOnce) {
  ToneOutput& output = SystemToneOutput();
  QElapsedTimer clock;
  clock.start();
  output.Tone(1000, 2000);
  output.Quiet(500);
  output.Tone(440, 2000);
  output.Stop();
  EXPECT_LT(clock.elapsed(), 500);
}

}  // namespace
}  // namespace zq
