// The sound output of the roger-beep preview never holds the program up, and
// without a sound device it says so and stays silent.
#include "platform/qt/qt_tone_output.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>

namespace zq {
namespace {

TEST(QtToneOutput, ATwoSecondToneReturnsAtOnce) {
  QtToneOutput output;
  QElapsedTimer clock;
  clock.start();
  output.Tone(1000, 2000);
  output.Quiet(500);
  output.Tone(440, 2000);
  output.Stop();
  EXPECT_LT(clock.elapsed(), 500);
}

TEST(QtToneOutput, WithoutASoundDeviceItIsSilent) {
  if (!QMediaDevices::audioOutputs().isEmpty()) GTEST_SKIP() << "this machine has a sound device";
  QtToneOutput output;
  output.Tone(1000, 100);
  EXPECT_FALSE(output.hasDevice());
}

}  // namespace
}  // namespace zq
