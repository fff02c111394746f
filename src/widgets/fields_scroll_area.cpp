#include "widgets/fields_scroll_area.h"

#include <QEvent>
#include <QScrollBar>
#include <algorithm>

namespace zq {

FieldsScrollArea::FieldsScrollArea(QWidget* fields, QWidget* parent, Sideways sideways)
    : QScrollArea(parent), sideways_(sideways) {
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::NoFocus);  // the fields take the focus, and the area scrolls to the one that has it
  setWidgetResizable(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWidget(fields);
  fields->installEventFilter(this);
}

bool FieldsScrollArea::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
  return QScrollArea::eventFilter(watched, event);
}

void FieldsScrollArea::resizeEvent(QResizeEvent* event) {
  const bool fits = widget()->minimumSizeHint().boundedTo(maximumViewportSize()) == widget()->minimumSizeHint();
  const Qt::ScrollBarPolicy policy = fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
  setVerticalScrollBarPolicy(policy);
  if (sideways_ == Sideways::Scroll) setHorizontalScrollBarPolicy(policy);
  QScrollArea::resizeEvent(event);
}

// The fields' own size and room for the vertical scroll bar; QScrollArea's
// own hint stops at a few dozen lines of text.
QSize FieldsScrollArea::sizeHint() const {
  return widget()->sizeHint() + QSize(verticalScrollBar()->sizeHint().width(), 0);
}

// As low as a few rows of the fields; as narrow as the fields, or as a few
// columns of them when they scroll sideways.
QSize FieldsScrollArea::minimumSizeHint() const {
  QSize fields = widget()->minimumSizeHint();
  const int width = sideways_ == Sideways::Scroll ? std::min(fields.width(), 240) : fields.width();
  return QSize(width + verticalScrollBar()->sizeHint().width(), std::min(fields.height(), 120));
}

}  // namespace zq
