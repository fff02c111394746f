#pragma once
// A text box that lets through only the characters its filter accepts (and
// inserts them as the filter says, for example in capitals). Copy, cut and
// paste are discarded by the filter, so nothing reaches the box past it: no
// paste from the context menu, no drop, no input-method text.
#include <QLineEdit>
#include <functional>

#include "shell/typed_keys.h"

namespace zq {

class FilteredLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  using KeyFilter = std::function<FilteredKey(char32_t)>;
  FilteredLineEdit(KeyFilter filter, QWidget* parent = nullptr);

  // Filters of the program's boxes.
  static KeyFilter DecimalKeys();

 signals:
  // The focus left the box (emitted after the focus moved on).
  void focusLeft();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  KeyFilter filter_;
};

}  // namespace zq
