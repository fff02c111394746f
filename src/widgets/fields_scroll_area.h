#pragma once
// A scroll area for the fields of an editor whose buttons sit below it. It asks
// for the whole size of its fields, so the window opens at full size where there
// is room, and scrolls them where there is not, keeping the buttons in sight.
// When the fields grow (their lists filled, the style applied at the first
// show), the window's layout hears of it: a scroll area's own child is no
// part of the layout around the scroll area.
#include <QScrollArea>

namespace zq {

class FieldsScrollArea : public QScrollArea {
  Q_OBJECT
 public:
  // Takes the widget holding the fields.
  FieldsScrollArea(QWidget* fields, QWidget* parent);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zq
