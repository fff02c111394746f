#include "channels/ui/channel_detail_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

#include "widgets/ui_text.h"

namespace zq {

namespace {

// Every list of a column is as wide as the column's longest entry ("C_038(250.3Hz)"
// in the first), so the window needs no more room when other fields appear.
constexpr int kListCharacters[2] = {14, 7};

}  // namespace

// Each column has its own layout, so a hidden field leaves no gap.
ChannelDetailPanel::ChannelDetailPanel(QWidget* parent) : QGroupBox(parent) {
  setObjectName("detailPanel");
  QGridLayout* columns[2] = {new QGridLayout, new QGridLayout};
  columns_[0] = columns[0];
  columns_[1] = columns[1];
  const auto fields = DetailFields();
  for (int k = 0; k < static_cast<int>(fields.size()); ++k) {
    const DetailFieldDef& def = fields[k];
    FieldRow row{new QLabel(this), new QComboBox(this), {}};
    QString name = QString::fromLatin1("%1_%2").arg(QUtf8(TextName(def.label))).arg(k);
    row.list->setObjectName(name);
    row.label->setObjectName(QStringLiteral("label_") + name);
    row.list->setMaxVisibleItems(20);
    row.list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    row.list->setMinimumContentsLength(kListCharacters[def.column]);
    row.label->setBuddy(row.list);
    QGridLayout* column = columns[def.column];
    int at = column->rowCount();
    column->addWidget(row.label, at, 0);
    column->addWidget(row.list, at, 1);
    connect(row.list, &QComboBox::activated, this, [this, k](int entry) { emit choicePicked(k, entry); });
    rows_.push_back(std::move(row));
  }
  auto* layout = new QHBoxLayout(this);
  for (QGridLayout* column : columns) {
    column->setHorizontalSpacing(8);
    column->setVerticalSpacing(4);
    column->setColumnStretch(1, 1);
    column->setRowStretch(column->rowCount(), 1);
    layout->addLayout(column, 1);
  }
}

QComboBox* ChannelDetailPanel::list(int field) const { return rows_.at(field).list; }
QLabel* ChannelDetailPanel::label(int field) const { return rows_.at(field).label; }

// The label columns fit every label, shown or not, for the same reason.
void ChannelDetailPanel::ApplyLanguage(int language) {
  const auto fields = DetailFields();
  int widest[2] = {0, 0};
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    QString text = QText(fields[k].label, language);
    rows_[k].label->setText(text);
    // "Public" On is what the band's PUBLIC switch "Off" writes: the tip says whose value it is.
    const QString tip = fields[k].label == Txt::DetailPublic ? QText(Txt::PublicFollowsSwitch, language) : QString();
    rows_[k].label->setToolTip(tip);
    rows_[k].list->setToolTip(tip);
    int& column = widest[fields[k].column];
    column = std::max(column, rows_[k].label->fontMetrics().horizontalAdvance(text));
  }
  for (int c = 0; c < 2; ++c) columns_[c]->setColumnMinimumWidth(0, widest[c]);
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
    bool visible = IsFieldShown(def, ctx.group, kind, shown);
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
