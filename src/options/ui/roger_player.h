#pragma once
// Plays a roger-beep preview: the events one after another on the current
// tone output, each for its time, driven by a timer so the window stays
// responsive and Stop can end the preview at any moment.
#include <QObject>
#include <QTimer>
#include <vector>

#include "options/roger_preview.h"

namespace zq {

class RogerPlayer : public QObject {
  Q_OBJECT
 public:
  explicit RogerPlayer(QObject* parent = nullptr);
  ~RogerPlayer() override;

  // Starts playing; a preview still running is stopped first.
  void Play(std::vector<BeepEvent> events);
  // Ends the preview at once, also in the middle of a tone.
  void Stop();
  bool playing() const { return playing_; }

 signals:
  // The last event ended or the preview was stopped.
  void finished();

 private:
  void PlayNext();

  std::vector<BeepEvent> events_;
  std::size_t next_ = 0;
  QTimer timer_;
  bool playing_ = false;
};

}  // namespace zq
