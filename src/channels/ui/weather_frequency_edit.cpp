#include "channels/ui/weather_frequency_edit.h"

#include <QKeyEvent>

namespace zq {

WeatherFrequencyEdit::WeatherFrequencyEdit(QWidget* parent)
    : FilteredLineEdit(FilteredLineEdit::Keys(kDecimalKeys), "FrmTVCH_Text1_KeyPress", parent) {}

bool WeatherFrequencyEdit::TakeKey(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return false;
  emit cancelled();
  return true;
}

}  // namespace zq
