#pragma once
// A text box that takes only the printable characters it is given. Ctrl+C/V/X,
// every other way of pasting (shortcuts, context menu, middle button, drag and
// drop, input methods) and characters above code 127 are refused, so nothing
// gets past the key filter; cursor and editing keys work as usual.
#include <QLineEdit>
#include <string>
#include <string_view>

namespace zq {

class FilteredLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  // `handlerName` is what an unexpected error in the filter reports.
  FilteredLineEdit(std::string_view accepted, bool upperCase, const char* handlerName, QWidget* parent);

 protected:
  // Keys a subclass handles itself before the filter (true when taken).
  virtual bool TakeKey(QKeyEvent*) { return false; }

  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void FilterKey(QKeyEvent* event);

  std::string accepted_;
  bool upperCase_;
  const char* handlerName_;
};

}  // namespace zq
