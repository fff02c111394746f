#include "platform/qt/qt_tone_output_posix.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>

#include "platform/qt/current_tone_output.h"
#include "platform/tone_samples.h"

namespace zq {
namespace {

// Mono 16-bit samples in the device's format: every channel carries the tone.
QByteArray DevicePcm(const std::vector<int16_t>& samples, const QAudioFormat& format) {
  const int channels = format.channelCount();
  QByteArray pcm;
  pcm.reserve(static_cast<qsizetype>(samples.size()) * channels * format.bytesPerSample());
  for (int16_t s : samples) {
    for (int c = 0; c < channels; ++c) {
      if (format.sampleFormat() == QAudioFormat::Float) {
        float f = s / 32768.0f;
        pcm.append(reinterpret_cast<const char*>(&f), sizeof f);
      } else {
        pcm.append(reinterpret_cast<const char*>(&s), sizeof s);
      }
    }
  }
  return pcm;
}

QAudioFormat ToneFormat(const QAudioDevice& device) {
  QAudioFormat format = device.preferredFormat();
  if (format.sampleFormat() != QAudioFormat::Float) format.setSampleFormat(QAudioFormat::Int16);
  if (format.sampleRate() <= 0) format.setSampleRate(48000);
  if (format.channelCount() <= 0) format.setChannelCount(1);
  return format;
}

}  // namespace

QtToneOutput::QtToneOutput(QObject* parent) : QObject(parent) {}

QtToneOutput::~QtToneOutput() { Stop(); }

bool QtToneOutput::MakeSink() {
  if (sink_) return true;
  if (noDevice_) return false;
  QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull() || QMediaDevices::audioOutputs().isEmpty()) {
    noDevice_ = true;
    return false;
  }
  QAudioFormat format = ToneFormat(device);
  if (!device.isFormatSupported(format)) {
    noDevice_ = true;
    return false;
  }
  sink_ = std::make_unique<QAudioSink>(device, format);
  return true;
}

void QtToneOutput::Tone(int hz, int ms) {
  if (!MakeSink()) return;
  Stop();
  pcm_ = DevicePcm(SineSamples(hz, ms, sink_->format().sampleRate()), sink_->format());
  buffer_.setData(pcm_);
  buffer_.open(QIODevice::ReadOnly);
  sink_->start(&buffer_);
  if (sink_->error() != QAudio::NoError) {  // no audio server: fails at once
    sink_.reset();
    buffer_.close();
    noDevice_ = true;
  }
}

void QtToneOutput::Quiet(int) { Stop(); }

void QtToneOutput::Stop() {
  if (sink_) sink_->stop();
  if (buffer_.isOpen()) buffer_.close();
}

ToneOutput& SystemToneOutput() {
  static QtToneOutput* system = new QtToneOutput(QCoreApplication::instance());
  return *system;
}

}  // namespace zq
