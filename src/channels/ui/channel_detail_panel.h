#pragma once
// The detail panel of the channel editor: a label and a choice list for each
// entry of the detail-field table, filled from the record behind the grid row.
// Filling never writes back; only a pick by the user is reported.
#include <QGroupBox>
#include <string>
#include <vector>

#include "channels/detail_fields.h"

class QComboBox;
class QGridLayout;
class QLabel;

namespace zq {

class ChannelDetailPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit ChannelDetailPanel(QWidget* parent);

  void ApplyLanguage(int language);
  // Shows the record's settings; without a record (an empty channel row) the
  // lists are blank and disabled.
  void Show(const DetailContext& ctx, const ChannelRecord* record, RowKind kind, int language);

  QComboBox* list(int field) const;
  QLabel* label(int field) const;

 signals:
  // The user picked `entry` in the list of DetailFields()[field].
  void choicePicked(int field, int entry);

 private:
  struct FieldRow {
    QLabel* label;
    QComboBox* list;
    std::vector<std::string> texts;  // what the list holds now
  };
  void FillList(FieldRow& row, std::vector<std::string> texts);

  std::vector<FieldRow> rows_;
  QGridLayout* columns_[2] = {};
};

}  // namespace zq
