#include "channels/ui/weather_frequency_edit.h"

#include <QKeyEvent>

#include "shell/typed_keys.h"

namespace zq {

WeatherFrequencyEdit::WeatherFrequencyEdit(QWidget* parent) : QLineEdit(parent) {
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
}

void WeatherFrequencyEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    emit cancelled();
    return;
  }
  if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
      event->matches(QKeySequence::Copy))
    return;
  for (QChar c : event->text())
    if (FilterTypedKey(c.unicode(), kDecimalKeys).verdict == KeyVerdict::Discard) return;
  QLineEdit::keyPressEvent(event);
}

}  // namespace zq
