#include "channels/ui/frequency_edit_box.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "text/typed_keys.h"

namespace zq {

FrequencyEditBox::FrequencyEditBox(QWidget* parent)
    : FilteredLineEdit(FilteredLineEdit::Keys(kDecimalKeys), "FrmCommChInfo_Text1_KeyPress_Error", parent) {
  setObjectName("frequencyEditBox");
  setAlignment(Qt::AlignCenter);
  setFrame(false);
  hide();
}

bool FrequencyEditBox::TakeKey(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit enterPressed(); return true;
    case Qt::Key_Escape: emit escapePressed(); return true;
    default: return false;
  }
}

// Tab is taken before the focus chain sees it; Shift+Tab still moves the focus.
bool FrequencyEditBox::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
      emit tabPressed();
      return true;
    }
  }
  return FilteredLineEdit::event(event);
}

void FrequencyEditBox::focusOutEvent(QFocusEvent* event) {
  FilteredLineEdit::focusOutEvent(event);
  if (event->reason() != Qt::PopupFocusReason) emit focusLost();
}

}  // namespace zq
