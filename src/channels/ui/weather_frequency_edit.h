#pragma once
// The box that opens over a frequency cell of the weather grid. It takes only
// digits and ".", and nothing pasted, dropped or typed above code 127; Escape
// gives the cell up without storing.
#include <QLineEdit>

namespace zq {

class WeatherFrequencyEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit WeatherFrequencyEdit(QWidget* parent);

 signals:
  void cancelled();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zq
