#include "options/ui/roger_diagram.h"

#include <QPainter>

#include "options/roger_bars.h"

namespace zq {

RogerDiagram::RogerDiagram(QWidget* parent) : QWidget(parent) {
  setObjectName("rogerDiagram");
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void RogerDiagram::SetPreset(const RogerBeepPreset& preset) {
  preset_ = preset;
  update();
}

void RogerDiagram::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = rect().adjusted(1, 1, -1, -1);
  painter.fillRect(rect(), palette().color(QPalette::Dark));
  painter.fillRect(area, Qt::white);
  for (const RogerBar& bar : RogerBars(preset_, area.width(), area.height()))
    painter.fillRect(area.left() + bar.x, area.bottom() + 1 - bar.height, bar.width, bar.height,
                     bar.red ? Qt::red : Qt::blue);
}

}  // namespace zq
