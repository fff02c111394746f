#include "widgets/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "widgets/ui_text.h"

namespace zq {

QHBoxLayout* OkCancelRow(QDialog& dialog, int language, bool accept) {
  auto* ok = new QPushButton(QText(Txt::OkButton, language), &dialog);
  ok->setObjectName("ok");
  ok->setDefault(true);
  auto* cancel = new QPushButton(QText(Txt::CancelButton, language), &dialog);
  cancel->setObjectName("cancel");
  if (accept) QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}

}  // namespace zq
