#include "options/ui/filtered_line_edit.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace zq {
namespace {

constexpr char32_t kCtrlC = 3, kCtrlV = 22, kCtrlX = 24;

// The character a key press types, as the filters know it: the clipboard
// shortcuts as their control codes, whatever the keyboard sends for them.
char32_t TypedCharacter(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) return kCtrlC;
  if (event->matches(QKeySequence::Paste)) return kCtrlV;
  if (event->matches(QKeySequence::Cut)) return kCtrlX;
  const QString text = event->text();
  if (text.isEmpty()) return 0;
  return text.toUcs4().value(0);
}

}  // namespace

FilteredLineEdit::FilteredLineEdit(KeyFilter filter, QWidget* parent) : QLineEdit(parent), filter_(std::move(filter)) {
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

FilteredLineEdit::KeyFilter FilteredLineEdit::DecimalKeys() {
  return [](char32_t key) { return FilterTypedKey(key, kDecimalKeys); };
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
  const char32_t typed = TypedCharacter(event);
  if (typed == 0) {  // keys that type nothing: arrows, Home, Delete...
    QLineEdit::keyPressEvent(event);
    return;
  }
  const FilteredKey key = filter_(typed);
  switch (key.verdict) {
    case KeyVerdict::Insert: insert(QString(QLatin1Char(key.character))); break;
    case KeyVerdict::PassControl: QLineEdit::keyPressEvent(event); break;
    case KeyVerdict::Discard: event->accept(); break;
  }
}

void FilteredLineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  emit focusLeft();
}

}  // namespace zq
