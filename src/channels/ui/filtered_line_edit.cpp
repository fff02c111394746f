#include "channels/ui/filtered_line_edit.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "shell/typed_keys.h"
#include "shell/ui/guarded.h"

namespace zq {
namespace {

bool IsClipboardShortcut(QKeyEvent* event) {
  return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
         event->matches(QKeySequence::Copy);
}

}  // namespace

FilteredLineEdit::FilteredLineEdit(std::string_view accepted, bool upperCase, const char* handlerName, QWidget* parent)
    : QLineEdit(parent), accepted_(accepted), upperCase_(upperCase), handlerName_(handlerName) {
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
  setDragEnabled(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
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
  FilteredKey key = FilterTypedKey(typed.at(0).unicode(), accepted_, upperCase_);
  if (key.verdict == KeyVerdict::PassControl)
    QLineEdit::keyPressEvent(event);
  else if (key.verdict == KeyVerdict::Insert)
    insert(QString(QLatin1Char(key.character)));
}

// The middle button pastes the selection on X11; it takes no part here.
void FilteredLineEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::MiddleButton) QLineEdit::mousePressEvent(event);
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::MiddleButton) QLineEdit::mouseReleaseEvent(event);
}

}  // namespace zq
