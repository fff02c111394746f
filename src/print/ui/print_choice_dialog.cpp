#include "print/ui/print_choice_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "channels/frequency_rules.h"
#include "channels/group_entries.h"
#include "widgets/accessible_names.h"
#include "widgets/dialog_buttons.h"
#include "widgets/ui_text.h"

namespace zq {

PrintChoiceDialog::PrintChoiceDialog(const QString& caption, const PrintChoice& preset, const RadioConfig& cfg,
                                     int language, QWidget* parent)
    : QDialog(parent), cfg_(cfg), language_(language) {
  setObjectName("PrintChoiceDialog");
  setWindowTitle(caption);
  setModal(true);
  channelTable_ = new QRadioButton(QText(Txt::PrintChannelTableChoice, language), this);
  channelTable_->setObjectName("printChannelTable");
  summary_ = new QRadioButton(QText(Txt::PrintSummaryChoice, language), this);
  summary_->setObjectName("printSummary");
  (preset.kind == PrintKind::Summary ? summary_ : channelTable_)->setChecked(true);

  band_ = new QComboBox(this);
  band_->setObjectName("printBand");
  for (const BandEntry& entry : kBandEntries) band_->addItem(QText(entry.selectorText, language));
  band_->setCurrentIndex(BandIndex(preset.group.band));
  group_ = new QComboBox(this);
  group_->setObjectName("printGroup");
  FillGroups(preset.group);
  connect(band_, &QComboBox::currentIndexChanged, this, [this] { FillGroups({ShownBand(), 0}); });
  connect(channelTable_, &QRadioButton::toggled, this, &PrintChoiceDialog::EnableGroupLists);
  EnableGroupLists();

  auto* lists = new QFormLayout;
  lists->setContentsMargins(24, 0, 0, 0);
  lists->addRow(QText(Txt::BandLabel, language), band_);
  lists->addRow(QText(Txt::GroupLabel, language), group_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(channelTable_);
  layout->addLayout(lists);
  layout->addWidget(summary_);
  layout->addSpacing(8);
  layout->addLayout(OkCancelRow(*this, language));
  BuddyLabelsOf(*this);
}

Band PrintChoiceDialog::ShownBand() const { return BandOfIndex(band_->currentIndex()).value_or(kCB); }

void PrintChoiceDialog::FillGroups(BandGroup group) {
  group_->clear();
  for (const GroupEntry& entry : GroupSelectorEntries(cfg_, group.band, language_)) {
    QString number = QString::number(entry.group), name = QUtf8(entry.name);
    group_->addItem(name == number ? number : number + QStringLiteral("  ") + name, entry.group);
  }
  int shown = group_->findData(group.number);
  group_->setCurrentIndex(shown < 0 ? 0 : shown);
}

void PrintChoiceDialog::EnableGroupLists() {
  band_->setEnabled(channelTable_->isChecked());
  group_->setEnabled(channelTable_->isChecked());
}

PrintChoice PrintChoiceDialog::choice() const {
  return {summary_->isChecked() ? PrintKind::Summary : PrintKind::ChannelTable, ShownBand(),
          group_->currentData().toInt()};
}

}  // namespace zq
