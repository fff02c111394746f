#pragma once
// Where the roger-beep preview sends its sound. Calls return at once: the
// caller keeps the time, so a preview lasts the same whether a sound device
// exists or not, and tests can record exactly what was asked for.
namespace zq {

class ToneOutput {
 public:
  virtual ~ToneOutput() = default;
  // Sounds `hz` for `ms` milliseconds.
  virtual void Tone(int hz, int ms) = 0;
  // Stays quiet for `ms` milliseconds: a silent step or the pause after a round.
  virtual void Quiet(int ms) = 0;
  // Ends whatever sounds now.
  virtual void Stop() = 0;
};

// The PC's sound device, one file per system: waveOut on Windows
// (tone_output_windows.cpp), Qt Multimedia elsewhere (qt/qt_tone_output_posix.cpp).
ToneOutput& SystemToneOutput();

}  // namespace zq
