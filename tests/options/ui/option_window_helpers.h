#pragma once
// Driving the option windows as a user does: choosing list entries, typing,
// and hearing the roger-beep preview through a recorder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QStringList>
#include <vector>

#include "platform/qt/current_tone_output.h"
#include "support/main_window_fixture.h"

namespace zq::testing {

template <class T>
T* Child(QWidget* window, const QString& name) {
  T* widget = window->findChild<T*>(name);
  EXPECT_NE(widget, nullptr) << name.toStdString();
  return widget;
}

inline QStringList EntriesOf(const QComboBox* combo) {
  QStringList texts;
  for (int k = 0; k < combo->count(); ++k) texts << combo->itemText(k);
  return texts;
}

// Picks the entry as the user does: the selection changes and the list reports the choice.
inline void Choose(QComboBox* combo, const QString& text) {
  const int index = combo->findText(text);
  ASSERT_GE(index, 0) << combo->objectName().toStdString() << " has no " << text.toStdString();
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

// Every call of the preview, with the time it came after the first one.
class RecordingToneOutput : public ToneOutput {
 public:
  struct Call {
    char what;  // 'T' tone, 'Q' quiet, 'S' stop
    int hz;
    int ms;
    qint64 at;
    bool operator==(const Call& o) const { return what == o.what && hz == o.hz && ms == o.ms; }
  };
  RecordingToneOutput() { SetToneOutput(this); }
  ~RecordingToneOutput() override { SetToneOutput(nullptr); }
  void Tone(int hz, int ms) override { Add('T', hz, ms); }
  void Quiet(int ms) override { Add('Q', 0, ms); }
  void Stop() override { Add('S', 0, 0); }

  std::vector<Call> calls;

 private:
  void Add(char what, int hz, int ms) {
    if (!clock_.isValid()) clock_.start();
    calls.push_back({what, hz, ms, clock_.elapsed()});
  }
  QElapsedTimer clock_;
};

// Lets the event loop run until `done` holds or the time is up.
template <class Done>
bool WaitFor(Done done, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < timeoutMs) QApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

}  // namespace zq::testing
