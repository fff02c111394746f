#include "shell/ui/frm_compare.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/local_date.h"
#include "print/comparison_printout.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/print_commands.h"
#include "widgets/guarded.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

QLabel* Line(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

FrmCompare::FrmCompare(std::vector<MemberDifference> list, std::string beforeName, std::string afterName,
                       frmMain& main)
    : QDialog(&main),
      main_(main),
      list_(std::move(list)),
      beforeName_(std::move(beforeName)),
      afterName_(std::move(afterName)) {
  setObjectName("FrmCompare");
  const int language = main_.state().language();
  setWindowTitle(QText(Txt::CompareCaption, language));
  setWindowModality(Qt::WindowModal);

  table_ = new QTableWidget(this);
  table_->setObjectName("differenceTable");
  table_->setAccessibleName(windowTitle());
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  FillTable();

  auto* print = new QPushButton(QText(Txt::PrintButton, language), this);
  print->setObjectName("print");
  auto* pdf = new QPushButton(QText(Txt::MenuPrintToPdf, language), this);
  pdf->setObjectName("printToPdf");
  auto* close = new QPushButton(QText(Txt::CloseButton, language), this);
  close->setObjectName("close");
  close->setDefault(true);
  const PrintDocument printout = ComparisonPrint(list_, beforeName_, afterName_, {language, LocalToday()});
  connect(print, &QPushButton::clicked, this, [this, printout] {
    Guarded(this, "FrmCompare_Print", [&] { main_.prints().PrintOnPaper(printout, this); });
  });
  connect(pdf, &QPushButton::clicked, this, [this, printout] {
    Guarded(this, "FrmCompare_PrintToPdf", [&] { main_.prints().PrintAsPdf(printout, this); });
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  print->setEnabled(!list_.empty());
  pdf->setEnabled(!list_.empty());

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(print);
  buttons->addWidget(pdf);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Line(QUtf8(FillIn(Text(Txt::CompareOldSide, language), {beforeName_})), "oldSide", this));
  layout->addWidget(Line(QUtf8(FillIn(Text(Txt::CompareNewSide, language), {afterName_})), "newSide", this));
  layout->addWidget(Line(list_.empty() ? QText(Txt::CompareSame, language)
                                       : QUtf8(FillIn(Text(Txt::CompareCount, language), {std::to_string(list_.size())})),
                         "summary", this));
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  resize(760, 480);
}

void FrmCompare::FillTable() {
  const int language = main_.state().language();
  table_->setColumnCount(3);
  table_->setHorizontalHeaderLabels({QText(Txt::CompareMemberColumn, language), QText(Txt::CompareOldColumn, language),
                                     QText(Txt::CompareNewColumn, language)});
  table_->setRowCount(static_cast<int>(list_.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const MemberDifference& d = list_[row];
    const std::string cells[] = {d.member, DifferenceValueText(d.before, language),
                                 DifferenceValueText(d.after, language)};
    for (int column = 0; column < 3; ++column)
      table_->setItem(row, column, new QTableWidgetItem(QUtf8(cells[column])));
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
}

}  // namespace zq
