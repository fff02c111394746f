#pragma once
// A scroll area for the fields of an editor whose buttons sit below it. It asks
// for the whole size of its fields, so the window opens at full size where there
// is room, and scrolls them where there is not, keeping the buttons in sight.
// When the fields grow (their lists filled, the style applied at the first
// show), the window's layout hears of it: a scroll area's own child is no
// part of the layout around the scroll area.
// Scroll bars show only while the fields do not fit the area without them: a
// plain scroll area that once needed them keeps them after growing back to the
// fields' size.
#include <QScrollArea>

namespace zq {

class FieldsScrollArea : public QScrollArea {
  Q_OBJECT
 public:
  // Whether fields wider than the area scroll sideways or are squeezed to fit.
  enum class Sideways { Squeeze, Scroll };

  // Takes the widget holding the fields.
  FieldsScrollArea(QWidget* fields, QWidget* parent, Sideways sideways = Sideways::Squeeze);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Sideways sideways_;
};

}  // namespace zq
