// Without a sound device the Qt Multimedia output says so and stays silent.
#include "platform/qt/qt_tone_output_posix.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>

namespace zq {
namespace {

TEST(QtToneOutput, WithoutASoundDeviceItIsSilent) {
  if (!QMediaDevices::audioOutputs().isEmpty()) GTEST_SKIP() << "this machine has a sound device";
  QtToneOutput output;
  output.Tone(1000, 100);
  EXPECT_FALSE(output.hasDevice());
}

}  // namespace
}  // namespace zq
