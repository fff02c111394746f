#include "options/ui/roger_player.h"

#include "platform/qt/current_tone_output.h"

namespace zq {

RogerPlayer::RogerPlayer(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &RogerPlayer::PlayNext);
}

RogerPlayer::~RogerPlayer() {
  if (playing_) CurrentToneOutput().Stop();
}

void RogerPlayer::Play(std::vector<BeepEvent> events) {
  Stop();
  events_ = std::move(events);
  next_ = 0;
  playing_ = true;
  PlayNext();
}

void RogerPlayer::Stop() {
  if (!playing_) return;
  timer_.stop();
  playing_ = false;
  CurrentToneOutput().Stop();
  emit finished();
}

void RogerPlayer::PlayNext() {
  if (next_ == events_.size()) {
    playing_ = false;
    emit finished();
    return;
  }
  const BeepEvent& event = events_[next_++];
  if (event.kind == BeepEventKind::Tone)
    CurrentToneOutput().Tone(event.hz, event.ms);
  else
    CurrentToneOutput().Quiet(event.ms);
  timer_.start(event.ms);
}

}  // namespace zq
