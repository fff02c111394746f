// Tones through waveOut, the system's own sound call: the buffer is handed to
// the device and plays on while the call returns. Without a sound device
// (waveOutOpen fails) every call does nothing, and the preview keeps its timing.
#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <vector>

#include "platform/tone_output.h"
#include "platform/tone_samples.h"

namespace zq {
namespace {

constexpr DWORD kWaveRate = 44100;

class WaveOutTones : public ToneOutput {
 public:
  WaveOutTones() = default;
  WaveOutTones(const WaveOutTones&) = delete;
  WaveOutTones& operator=(const WaveOutTones&) = delete;
  ~WaveOutTones() override {
    Stop();
    if (device_ != nullptr) waveOutClose(device_);
  }

  void Tone(int hz, int ms) override {
    if (!Open()) return;
    Stop();
    samples_ = SineSamples(hz, ms, static_cast<int>(kWaveRate));
    header_ = {};
    header_.lpData = reinterpret_cast<LPSTR>(samples_.data());
    header_.dwBufferLength = static_cast<DWORD>(samples_.size() * sizeof(int16_t));
    if (waveOutPrepareHeader(device_, &header_, sizeof header_) != MMSYSERR_NOERROR) return;
    queued_ = true;
    waveOutWrite(device_, &header_, sizeof header_);
  }

  void Quiet(int) override { Stop(); }

  void Stop() override {
    if (!queued_) return;
    waveOutReset(device_);  // hands the buffer back at once
    waveOutUnprepareHeader(device_, &header_, sizeof header_);
    queued_ = false;
  }

 private:
  bool Open() {
    if (device_ != nullptr) return true;
    if (noDevice_) return false;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = kWaveRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = sizeof(int16_t);
    format.nAvgBytesPerSec = kWaveRate * format.nBlockAlign;
    if (waveOutOpen(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
      device_ = nullptr;
      noDevice_ = true;
    }
    return device_ != nullptr;
  }

  HWAVEOUT device_ = nullptr;
  WAVEHDR header_{};
  std::vector<int16_t> samples_;
  bool queued_ = false;
  bool noDevice_ = false;
};

}  // namespace

ToneOutput& SystemToneOutput() {
  static WaveOutTones system;
  return system;
}

}  // namespace zq
