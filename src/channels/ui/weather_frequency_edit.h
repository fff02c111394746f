#pragma once
// The box that opens over a frequency cell of the weather grid. It takes only
// digits and "."; Escape gives the cell up without storing.
#include "widgets/filtered_line_edit.h"

namespace zq {

class WeatherFrequencyEdit : public FilteredLineEdit {
  Q_OBJECT
 public:
  explicit WeatherFrequencyEdit(QWidget* parent);

 signals:
  void cancelled();

 protected:
  bool TakeKey(QKeyEvent* event) override;
};

}  // namespace zq
