#pragma once
// Tones on the PC's sound device: a generated sine wave through Qt Multimedia
// (the side of POSIX systems; the Windows build has no Qt Multimedia).
// Without a sound device (no audio server, no output, a sink that cannot
// start) every call does nothing, and the preview keeps its timing all the same.
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <memory>

#include "platform/tone_output.h"

class QAudioSink;

namespace zq {

class QtToneOutput : public QObject, public ToneOutput {
  Q_OBJECT
 public:
  explicit QtToneOutput(QObject* parent = nullptr);
  ~QtToneOutput() override;

  void Tone(int hz, int ms) override;
  void Quiet(int ms) override;
  void Stop() override;

  // False once it is known that no sound can be played.
  bool hasDevice() const { return !noDevice_; }

 private:
  bool MakeSink();

  std::unique_ptr<QAudioSink> sink_;
  QByteArray pcm_;
  QBuffer buffer_;
  bool noDevice_ = false;
};

}  // namespace zq
