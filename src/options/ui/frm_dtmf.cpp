#include "options/ui/frm_dtmf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "options/dtmf_lists.h"
#include "options/dtmf_rules.h"
#include "options/ui/choice_combo.h"
#include "options/ui/dtmf_code_delegate.h"
#include "options/ui/editor_close.h"
#include "text/plain_text.h"
#include "widgets/editor_host.h"
#include "widgets/guarded.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

constexpr int kNumberColumnWidth = 48;

QString ShownCode(const OptionFeatures& opt, int n) {
  return QString::fromStdU16String(std::u16string(Cleaned(opt.DtmfCodes(n))));
}

}  // namespace

FrmDTMF::FrmDTMF(EditorHost& host) : host_(host) {
  setObjectName("FrmDTMF");
  Guarded(this, "FrmDTMF_Form_Load", [&] {
    BuildWindow();
    FillLists();
    SetCaptions();
    ShowValues();
  });
}

RadioConfig& FrmDTMF::cfg() { return host_.Config(); }

int FrmDTMF::language() const { return host_.Language(); }

void FrmDTMF::BuildWindow() {
  codes_ = new QTableWidget(kDtmfCodeCount, 2, this);
  codes_->setObjectName("dtmfCodes");
  codes_->verticalHeader()->hide();
  codes_->verticalHeader()->setDefaultSectionSize(codes_->fontMetrics().height() + 8);
  codes_->setSelectionMode(QAbstractItemView::SingleSelection);
  codes_->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                          QAbstractItemView::SelectedClicked | QAbstractItemView::AnyKeyPressed);
  codes_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
  codes_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  codes_->setColumnWidth(0, kNumberColumnWidth);
  delegate_ = new DtmfCodeDelegate(codes_);
  codes_->setItemDelegateForColumn(1, delegate_);
  for (int row = 0; row < kDtmfCodeCount; ++row) {
    auto* number = new QTableWidgetItem(QString::number(row + 1));
    number->setFlags(Qt::ItemIsEnabled);
    number->setTextAlignment(Qt::AlignCenter);
    codes_->setItem(row, 0, number);
    auto* code = new QTableWidgetItem;
    code->setTextAlignment(Qt::AlignCenter);
    codes_->setItem(row, 1, code);
  }
  codes_->setMinimumHeight(codes_->horizontalHeader()->sizeHint().height() +
                           kDtmfCodeCount * codes_->verticalHeader()->defaultSectionSize() + 4);
  codes_->setMinimumWidth(kNumberColumnWidth + codes_->fontMetrics().horizontalAdvance(QString(20, QLatin1Char('D'))));
  connect(codes_, &QTableWidget::itemChanged, this, &FrmDTMF::OnCodeEdited);
  connect(delegate_, &DtmfCodeDelegate::enterPressed, this, &FrmDTMF::MoveToNextCode);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(kLabelGap);
  int row = 0;
  for (const DtmfSettingList& def : DtmfSettingLists()) {
    auto* label = new QLabel(this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QComboBox* combo = NewChoiceList(QStringLiteral("DtmfSettings_%1").arg(def.element), this);
    settings_.push_back({&def, label, combo});
    const int element = def.element;
    connect(combo, &QComboBox::activated, this, [this, combo, element] {
      GuardedEdit(this, "cboDTMF_Click", cfg(), [&] { cfg().Options.DtmfSettings(element) = ChosenValue(combo); });
    });
    grid->addWidget(label, row, 0);
    grid->addWidget(combo, row++, 1);
  }
  display_ = new QCheckBox(this);
  display_->setObjectName(QStringLiteral("DtmfSettings_%1").arg(kDtmfDisplayElement));
  connect(display_, &QCheckBox::clicked, this, [this](bool ticked) {
    GuardedEdit(this, "chkDTMFDisp_Click", cfg(),
                [&] { cfg().Options.DtmfSettings(kDtmfDisplayElement) = ticked ? 1 : 0; });
  });
  grid->addWidget(display_, row++, 1);
  close_ = new QPushButton(this);
  close_->setObjectName("cmdClose");
  connect(close_, &QPushButton::clicked, this,
          [this] { Guarded(this, "cmdClose_Click", [&] { CloseEditorWindow(this); }); });

  auto* right = new QVBoxLayout;
  right->addLayout(grid);
  right->addStretch(1);
  right->addWidget(close_, 0, Qt::AlignRight);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(codes_, 1);
  layout->addLayout(right);
}

void FrmDTMF::FillLists() {
  for (SettingControl& setting : settings_) FillChoices(setting.combo, BuildChoices(setting.def->pieces, language()));
}

void FrmDTMF::SetCaptions() {
  setWindowTitle(QText(Txt::DtmfCaption, language()));
  codes_->setAccessibleName(windowTitle());
  codes_->setHorizontalHeaderLabels({QText(Txt::DtmfNumber, language()), QText(Txt::DtmfAutodial, language())});
  for (SettingControl& setting : settings_) setting.label->setText(QText(setting.def->label, language()));
  display_->setText(QText(Txt::DtmfDisplay, language()));
  close_->setText(QText(Txt::CloseButton, language()));
}

void FrmDTMF::ShowValues() {
  const OptionFeatures& opt = cfg().Options;
  for (SettingControl& setting : settings_) SelectStored(setting.combo, opt.DtmfSettings(setting.def->element));
  display_->setChecked(opt.DtmfSettings(kDtmfDisplayElement) != 0);
  showing_ = true;
  for (int n = 1; n <= kDtmfCodeCount; ++n) codes_->item(n - 1, 1)->setText(ShownCode(opt, n));
  showing_ = false;
}

void FrmDTMF::OnCodeEdited(QTableWidgetItem* item) {
  if (showing_ || item->column() != 1) return;
  GuardedEdit(this, "FrmDTMF_Grid_LeaveCell", cfg(), [&] {
    const int n = item->row() + 1;
    if (SetDtmfCode(cfg(), n, item->text().toStdString())) {
      SetDTMFList();
      return;
    }
    // A stored code with characters no key can type stays as it was.
    showing_ = true;
    item->setText(ShownCode(cfg().Options, n));
    showing_ = false;
  });
}

void FrmDTMF::SetDTMFList() {
  Guarded(this, "SetDTMFList", [&] {
    CleanDtmfReferences(cfg());
    host_.BroadcastReferencesChanged();
  });
}

void FrmDTMF::MoveToNextCode() {
  const int row = codes_->currentRow();
  if (row + 1 < kDtmfCodeCount)
    codes_->setCurrentCell(row + 1, 1);
  else
    focusNextChild();
}

void FrmDTMF::CommitPendingEdit() { delegate_->CommitOpenEditor(); }

void FrmDTMF::ApplyLanguage() {
  Guarded(this, "FrmDTMF_ApplyLanguage", [&] {
    FillLists();
    SetCaptions();
    ShowValues();
  });
}

void FrmDTMF::Reload() {
  Guarded(this, "FrmDTMF_Reload", [&] { ShowValues(); });
}

}  // namespace zq
