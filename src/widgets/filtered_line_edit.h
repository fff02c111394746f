#pragma once
// A text box that takes only the characters its key filter accepts (inserting
// them as the filter says, for example in capitals). Ctrl+C/V/X and every
// other way of pasting (shortcuts, context menu, middle button, drag and drop,
// input methods) are refused, so nothing gets past the filter; cursor and
// editing keys work as usual. Ctrl+Z and Ctrl+Y take back typed characters;
// with none to take back they reach Edit > Undo and Redo, so a box that opens by
// itself over a table cell does not swallow them.
#include <QLineEdit>
#include <functional>
#include <string_view>

#include "text/typed_keys.h"

namespace zq {

class FilteredLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  using KeyFilter = std::function<FilteredKey(char32_t)>;
  // `handlerName` is what an unexpected error while typing reports.
  FilteredLineEdit(KeyFilter filter, const char* handlerName, QWidget* parent = nullptr);

  // The filter of a box that takes the characters of `accepted`, in capitals with `upperCase`.
  static KeyFilter Keys(std::string_view accepted, bool upperCase = false);

 signals:
  // The focus left the box (emitted after the focus moved on).
  void focusLeft();

 protected:
  // Keys a subclass handles itself before the filter (true when taken).
  virtual bool TakeKey(QKeyEvent*) { return false; }

  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void FilterKey(QKeyEvent* event);

  KeyFilter filter_;
  const char* handlerName_;
};

}  // namespace zq
