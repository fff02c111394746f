#include "widgets/fields_scroll_area.h"

#include <QEvent>
#include <QScrollBar>
#include <algorithm>

namespace zq {

FieldsScrollArea::FieldsScrollArea(QWidget* fields, QWidget* parent) : QScrollArea(parent) {
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

// The fields' own size and room for the vertical scroll bar; QScrollArea's
// own hint stops at a few dozen lines of text.
QSize FieldsScrollArea::sizeHint() const {
  return widget()->sizeHint() + QSize(verticalScrollBar()->sizeHint().width(), 0);
}

// As narrow as the fields, as low as a few rows of them.
QSize FieldsScrollArea::minimumSizeHint() const {
  QSize fields = widget()->minimumSizeHint();
  return QSize(fields.width() + verticalScrollBar()->sizeHint().width(), std::min(fields.height(), 120));
}

}  // namespace zq
