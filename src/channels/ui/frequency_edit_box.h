#pragma once
// The box a frequency is typed into over a cell of the channel grid: digits
// and "." only. Enter, Escape and Tab are the window's to act on, and losing
// the focus (to another widget or another window) asks it to commit.
#include "widgets/filtered_line_edit.h"

namespace zq {

class FrequencyEditBox : public FilteredLineEdit {
  Q_OBJECT
 public:
  explicit FrequencyEditBox(QWidget* parent);

 signals:
  void enterPressed();
  void escapePressed();
  void tabPressed();
  void focusLost();

 protected:
  bool TakeKey(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace zq
