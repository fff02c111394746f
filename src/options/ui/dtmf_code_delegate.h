#pragma once
// The text editor placed over a DTMF code cell: digits, "*", "#" and "A"-"D"
// ("a"-"d" typed become capitals), at most 16 characters. Enter does not
// type: it stores the code and asks to move on to the next field.
#include <QPointer>
#include <QStyledItemDelegate>

namespace zq {

class DtmfCodeDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // Stores the code of the editor that is open, as leaving it does.
  void CommitOpenEditor();

 signals:
  void enterPressed();

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  mutable QPointer<QWidget> open_;
};

}  // namespace zq
