#pragma once
// The picture under the roger-beep rows: the shown preset as bars.
#include <QWidget>

#include "config/radio_config.h"

namespace zq {

class RogerDiagram : public QWidget {
  Q_OBJECT
 public:
  explicit RogerDiagram(QWidget* parent = nullptr);
  void SetPreset(const RogerBeepPreset& preset);
  QSize sizeHint() const override { return {320, 70}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  RogerBeepPreset preset_{};
};

}  // namespace zq
