#include "widgets/filtered_line_edit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <string>

#include "widgets/guarded.h"

namespace zq {
namespace {

bool IsClipboardShortcut(QKeyEvent* event) {
  return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Copy);
}

}  // namespace

FilteredLineEdit::FilteredLineEdit(KeyFilter filter, const char* handlerName, QWidget* parent)
    : QLineEdit(parent), filter_(std::move(filter)), handlerName_(handlerName) {
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
  setDragEnabled(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

FilteredLineEdit::KeyFilter FilteredLineEdit::Keys(std::string_view accepted, bool upperCase) {
  return [keys = std::string(accepted), upperCase](char32_t key) { return FilterTypedKey(key, keys, upperCase); };
}

bool FilteredLineEdit::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeyCombination combination = key->keyCombination();
    const bool undo = combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Z);
    const bool redo = combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
                      combination == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
    if ((undo && !isUndoAvailable()) || (redo && !isRedoAvailable())) {
      event->ignore();  // not ours: the shortcut of the main window takes it
      return true;
    }
  }
  return QLineEdit::event(event);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
  Guarded(this, handlerName_, [&] { FilterKey(event); });
}

void FilteredLineEdit::FilterKey(QKeyEvent* event) {
  if (TakeKey(event) || IsClipboardShortcut(event)) return;
  QString typed = event->text();
  if (typed.isEmpty()) {  // cursor and editing keys without a character
    QLineEdit::keyPressEvent(event);
    return;
  }
  FilteredKey key = filter_(typed.toUcs4().value(0));
  if (key.verdict == KeyVerdict::PassControl)
    QLineEdit::keyPressEvent(event);
  else if (key.verdict == KeyVerdict::Insert)
    insert(QString(QLatin1Char(key.character)));
}

void FilteredLineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  emit focusLeft();
}

// The middle button pastes the selection on X11; it takes no part here.
void FilteredLineEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::MiddleButton) QLineEdit::mousePressEvent(event);
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::MiddleButton) QLineEdit::mouseReleaseEvent(event);
}

}  // namespace zq
