#include "channels/ui/channel_detail_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "shell/ui/ui_text.h"

namespace zq {

ChannelDetailPanel::ChannelDetailPanel(QWidget* parent) : QGroupBox(parent) {
  setObjectName("detailPanel");
  auto* layout = new QGridLayout(this);
  layout->setHorizontalSpacing(8);
  layout->setVerticalSpacing(4);
  int nextRow[2] = {0, 0};
  const auto fields = DetailFields();
  for (int k = 0; k < static_cast<int>(fields.size()); ++k) {
    const DetailFieldDef& def = fields[k];
    FieldRow row{new QLabel(this), new QComboBox(this), {}};
    QString name = QString::fromLatin1("%1_%2").arg(QUtf8(TextName(def.label))).arg(k);
    row.list->setObjectName(name);
    row.label->setObjectName(QStringLiteral("label_") + name);
    row.list->setMaxVisibleItems(20);
    row.list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    row.label->setBuddy(row.list);
    int gridRow = nextRow[def.column]++;
    layout->addWidget(row.label, gridRow, 2 * def.column);
    layout->addWidget(row.list, gridRow, 2 * def.column + 1);
    connect(row.list, &QComboBox::activated, this, [this, k](int entry) { emit choicePicked(k, entry); });
    rows_.push_back(std::move(row));
  }
  layout->setColumnStretch(1, 1);
  layout->setColumnStretch(3, 1);
  layout->setRowStretch(std::max(nextRow[0], nextRow[1]), 1);
}

QComboBox* ChannelDetailPanel::list(int field) const { return rows_.at(field).list; }
QLabel* ChannelDetailPanel::label(int field) const { return rows_.at(field).label; }

void ChannelDetailPanel::ApplyLanguage(int language) {
  const auto fields = DetailFields();
  for (std::size_t k = 0; k < rows_.size(); ++k) rows_[k].label->setText(QText(fields[k].label, language));
}

void ChannelDetailPanel::FillList(FieldRow& row, std::vector<std::string> texts) {
  if (texts == row.texts) return;
  QStringList items;
  items.reserve(static_cast<int>(texts.size()));
  for (const std::string& text : texts) items.push_back(QString::fromStdString(text));
  row.list->clear();
  row.list->addItems(items);
  row.texts = std::move(texts);
}

void ChannelDetailPanel::Show(const DetailContext& ctx, const ChannelRecord* record, RowKind kind, int language) {
  const ChannelRecord blank;
  const ChannelRecord& shown = record ? *record : blank;
  bool greyed = record && IsPublicOn(*record);
  const auto fields = DetailFields();
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    const DetailFieldDef& def = fields[k];
    FieldRow& row = rows_[k];
    bool visible = IsFieldShown(def, ctx.band, ctx.group, kind, shown);
    row.label->setVisible(visible);
    row.list->setVisible(visible);
    if (!visible) continue;
    FillList(row, ChoiceTexts(def, ctx, shown, language));
    row.list->setCurrentIndex(record ? ShownChoice(def, ctx, *record) : -1);
    bool enabled = record && !(greyed && def.greyedByPublic);
    row.label->setEnabled(enabled);
    row.list->setEnabled(enabled);
  }
}

}  // namespace zq
