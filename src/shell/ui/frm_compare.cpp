#include "shell/ui/frm_compare.h"

#include <QDir>
#include <QFileInfo>
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

FrmCompare::FrmCompare(std::vector<MemberDifference> list, std::string beforeName, std::string afterName, frmMain& main)
    : QDialog(&main),
      main_(main),
      list_(std::move(list)),
      beforeName_(std::move(beforeName)),
      afterName_(std::move(afterName)) {
  setObjectName("FrmCompare");
  const int language = main_.state().language();
  labelled_ = LabelledDifferences(list_, main_.state().config, language);  // as the editors name and show them
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
  const PrintDocument printout = ComparisonPrint(labelled_, beforeName_, afterName_, {language, LocalToday()});
  connect(print, &QPushButton::clicked, this, [this, printout] {
    Guarded(this, "FrmCompare_Print", [&] { main_.prints().PrintOnPaper(printout, this); });
  });
  connect(pdf, &QPushButton::clicked, this, [this, printout] {
    Guarded(this, "FrmCompare_PrintToPdf", [&] { main_.prints().PrintAsPdf(printout, this, PdfName()); });
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
                                       : QUtf8(CountText(static_cast<long long>(list_.size()), Txt::CompareCountOne,
                                                         Txt::CompareCount, language)),
                         "summary", this));
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  resize(760, 480);
}

// Both sides name the PDF ("kept - new.pdf"), in the data file's folder.
QString FrmCompare::PdfName() const {
  const QString before = QFileInfo(QUtf8(beforeName_)).completeBaseName();
  const QString after = QFileInfo(QUtf8(main_.state().document.fileName)).completeBaseName();
  return QDir(main_.DocumentFolder()).filePath(before + QStringLiteral(" - ") + after + QStringLiteral(".pdf"));
}

void FrmCompare::FillTable() {
  const int language = main_.state().language();
  table_->setColumnCount(3);
  table_->setHorizontalHeaderLabels({QText(Txt::CompareMemberColumn, language), QText(Txt::CompareOldColumn, language),
                                     QText(Txt::CompareNewColumn, language)});
  table_->setRowCount(static_cast<int>(list_.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const LabelledDifference& d = labelled_[row];
    const std::string cells[] = {d.member, d.before, d.after};
    for (int column = 0; column < 3; ++column) table_->setItem(row, column, new QTableWidgetItem(QUtf8(cells[column])));
  }
  // Without rows the contents give no widths and the headers would be squeezed
  // together: the columns then share the table's width.
  const bool empty = table_->rowCount() == 0;
  table_->horizontalHeader()->setSectionResizeMode(empty ? QHeaderView::Stretch : QHeaderView::Interactive);
  if (!empty) table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
}

}  // namespace zq
