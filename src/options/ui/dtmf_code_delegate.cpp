#include "options/ui/dtmf_code_delegate.h"

#include <QKeyEvent>

#include "options/dtmf_rules.h"
#include "widgets/filtered_line_edit.h"

namespace zq {

QWidget* DtmfCodeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
  auto* editor = new FilteredLineEdit(FilterDtmfKey, "FrmDTMF_Text1_KeyPress", parent);
  editor->setObjectName("dtmfCodeEditor");
  editor->setMaxLength(kDtmfCodeLength);
  editor->setAlignment(Qt::AlignCenter);
  editor->setFrame(false);
  open_ = editor;
  return editor;
}

void DtmfCodeDelegate::CommitOpenEditor() {
  if (!open_) return;
  QWidget* editor = open_;
  emit commitData(editor);
  emit closeEditor(editor);
}

bool DtmfCodeDelegate::eventFilter(QObject* object, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && object == open_) {
      CommitOpenEditor();
      emit enterPressed();
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace zq
