#include "channels/ui/frm_comm_ch_info.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "channels/channel_rows.h"
#include "channels/detail_fields.h"
#include "channels/frequency_entry.h"
#include "channels/grid_cells.h"
#include "channels/group_entries.h"
#include "channels/ui/channel_csv_commands.h"
#include "channels/ui/channel_detail_panel.h"
#include "channels/ui/channel_grid.h"
#include "channels/ui/frequency_edit_box.h"
#include "channels/ui/group_panel.h"
#include "channels/ui/list_edit_menu.h"
#include "config/channel_slots.h"
#include "widgets/editor_host.h"
#include "widgets/guarded.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

bool IsOrdinaryGroup(BandGroup group) { return group.number >= 1 && group.number <= OrdinaryGroupCount(group.band); }

bool HasWideFrequencyColumn(BandGroup group) {
  return group == BandGroup{kCB, kCbPlanGroupWithEightyChannels} || IsMemGroup(group) || IsVfoGroup(group);
}

std::vector<std::string> RowLabels(BandGroup group) {
  std::vector<std::string> labels;
  for (int row = 1, rows = GridRowCount(group); row <= rows; ++row) labels.push_back(GetCHName(group, row));
  return labels;
}

}  // namespace

frmCommChInfo::frmCommChInfo(EditorHost& host, ListEditMenu& listEditMenu)
    : EditorWindow(nullptr), host_(host), listEditMenu_(listEditMenu) {
  setObjectName("frmCommChInfo");
  Guarded(this, "frmCommChInfo_Form_Load", [&] {
    Guarded(this, "frmCommChInfo_InitShowGridError", [&] { InitShowGrid(); });
    ChangShowByLanguage();
    ShowBand(kCB);
  });
}

// The edit box must not report a lost focus to a window that is going away.
frmCommChInfo::~frmCommChInfo() {
  if (grid_) disconnect(grid_->editBox(), nullptr, this, nullptr);
}

void frmCommChInfo::InitShowGrid() {
  bandLabel_ = new QLabel(this);
  bandLabel_->setObjectName("bandLabel");
  bandSelector_ = new QComboBox(this);
  bandSelector_->setObjectName("bandSelector");
  bandSelector_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  groupPanel_ = new GroupPanel(this);
  grid_ = new ChannelGrid(this);
  detail_ = new ChannelDetailPanel(this);
  closeButton_ = new QPushButton(this);
  closeButton_->setObjectName("closeButton");
  exportButton_ = new QPushButton(this);
  exportButton_->setObjectName("exportCsvButton");
  importButton_ = new QPushButton(this);
  importButton_->setObjectName("importCsvButton");

  auto* bandRow = new QHBoxLayout;
  bandRow->addWidget(bandLabel_);
  bandRow->addWidget(bandSelector_);
  bandRow->addStretch(1);
  auto* tables = new QHBoxLayout;
  tables->addWidget(grid_);
  tables->addWidget(detail_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(exportButton_);
  buttons->addWidget(importButton_);
  buttons->addStretch(1);
  buttons->addWidget(closeButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bandRow);
  layout->addWidget(groupPanel_);
  layout->addLayout(tables, 1);
  layout->addLayout(buttons);

  connect(bandSelector_, &QComboBox::activated, this, &frmCommChInfo::OnBandPicked);
  connect(groupPanel_, &GroupPanel::shownGroupPicked, this, &frmCommChInfo::OnGroupPicked);
  connect(groupPanel_, &GroupPanel::settingsGroupPicked, this, &frmCommChInfo::OnSettingsGroupPicked);
  connect(groupPanel_, &GroupPanel::groupValidPicked, this, &frmCommChInfo::OnGroupValidPicked);
  connect(groupPanel_, &GroupPanel::groupNameEdited, this, &frmCommChInfo::OnGroupNameEdited);
  connect(groupPanel_, &GroupPanel::workGroupPicked, this, &frmCommChInfo::OnWorkGroupPicked);
  connect(groupPanel_, &GroupPanel::workChannelPicked, this, &frmCommChInfo::OnWorkChannelPicked);
  connect(detail_, &ChannelDetailPanel::choicePicked, this, &frmCommChInfo::OnChoicePicked);
  connect(grid_, &ChannelGrid::rowEntered, this,
          [this](int row) { Guarded(this, "frmCommChInfo_MSFlexGrid1_EnterCell", [&] { reShowGrid(row); }); });
  connect(grid_, &ChannelGrid::editRequested, this, &frmCommChInfo::EnterGridEdit);
  connect(grid_, &ChannelGrid::rowMenuRequested, this, &frmCommChInfo::OnRowMenu);
  FrequencyEditBox* box = grid_->editBox();
  connect(box, &FrequencyEditBox::focusLost, this, &frmCommChInfo::SaveShowGridData);
  connect(box, &FrequencyEditBox::enterPressed, this, &frmCommChInfo::OnEditEnter);
  connect(box, &FrequencyEditBox::escapePressed, this, &frmCommChInfo::CancelEdit);
  connect(box, &FrequencyEditBox::tabPressed, this, &frmCommChInfo::GridNextCol);
  connect(exportButton_, &QPushButton::clicked, this, [this] {
    SaveShowGridData();
    Guarded(this, "frmCommChInfo_ExportCsv_Click",
            [&] { ExportShownGroup(this, host_.Config(), host_.Language(), shown_); });
  });
  connect(importButton_, &QPushButton::clicked, this, [this] {
    SaveShowGridData();
    GuardedEdit(this, "frmCommChInfo_ImportCsv_Click", host_.Config(), [&] {
      if (ImportIntoShownGroup(this, host_.DocumentFolder(), host_.Config(), host_.Language(), shown_, csvInFileOrder_))
        RefreshAfterChannelChange(grid_->CurrentRow());
    });
  });
  connect(closeButton_, &QPushButton::clicked, this, [this] {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
      frame->close();
    else
      close();
  });
}

// ---- language ----

void frmCommChInfo::ApplyLanguage() { ChangShowByLanguage(); }

void frmCommChInfo::ChangShowByLanguage() {
  Guarded(this, "frmCommChInfo_ChangShowByLanguage", [&] {
    int language = host_.Language();
    setWindowTitle(QText(Txt::ChannelWindowCaption, language));
    bandLabel_->setText(QText(Txt::BandLabel, language));
    {
      QSignalBlocker quiet(bandSelector_);
      bandSelector_->clear();
      for (const BandEntry& entry : kBandEntries) bandSelector_->addItem(QText(entry.selectorText, language));
      bandSelector_->setCurrentIndex(BandIndex(shown_.band));
    }
    grid_->SetHeaderTexts(QText(Txt::GridHeaderChannel, language), QText(Txt::FrequencyLabel, language));
    grid_->setAccessibleName(windowTitle());
    groupPanel_->ApplyLanguage(language);
    groupPanel_->Show(host_.Config(), shown_.band, shown_.number, settingsGroup_, language);
    detail_->ApplyLanguage(language);
    closeButton_->setText(QText(Txt::CloseButton, language));
    exportButton_->setText(QText(Txt::CsvExportButton, language));
    importButton_->setText(QText(Txt::CsvImportButton, language));
    if (grid_->RowCount() > 0) reShowGrid(grid_->CurrentRow());
  });
}

// ---- band and group ----

void frmCommChInfo::OnBandPicked(int index) {
  SaveShowGridData();
  GuardedEdit(this, "frmCommChInfo_cmbBand_Click", host_.Config(), [&] {
    RememberWorkChannel();
    ShowBand(BandOfIndex(index).value_or(kCB));
  });
}

// The row last edited becomes the shown group's work channel when a channel is in use there.
void frmCommChInfo::RememberWorkChannel() {
  if (lastEditedRow_ != 0 && FindSlotOfNumber(host_.Config(), shown_, lastEditedRow_) != 0)
    host_.Config().Options.WorkChannel(shown_) = lastEditedRow_;
  lastEditedRow_ = 0;
}

// Without an HF-capable radio only CB can be shown.
void frmCommChInfo::ShowBand(Band band) {
  bool hfCapable = host_.HfCapable();
  shown_.band = hfCapable ? band : kCB;
  limits_ = LimitsOfBand(shown_.band);
  {
    QSignalBlocker quiet(bandSelector_);
    bandSelector_->setCurrentIndex(BandIndex(shown_.band));
  }
  bandSelector_->setEnabled(hfCapable);
  host_.BandShown(shown_.band);
  ShowGroup(InitialGroup(host_.Config(), shown_.band));
}

void frmCommChInfo::OnGroupPicked(int group) {
  SaveShowGridData();
  GuardedEdit(this, "frmCommChInfo_cmbGroup_Click", host_.Config(), [&] {
    // A CB plan is the radio's national channel plan: looking at another one
    // does not switch the radio to it, only "Work Group" does.
    if (shown_.band != kCB && IsOrdinaryGroup({shown_.band, group}))
      host_.Config().Options.WorkGroup(shown_.band) = group;
    ShowGroup(group);
  });
}

void frmCommChInfo::ShowGroup(int group) {
  shown_.number = IsGroup({shown_.band, group}) ? group : 1;
  settingsGroup_ = shown_.number;
  lastEditedRow_ = 0;
  groupPanel_->Show(host_.Config(), shown_.band, shown_.number, settingsGroup_, host_.Language());
  grid_->SetRows(RowLabels(shown_), HasWideFrequencyColumn(shown_));
  SetGridData();
}

// The wide frequency column of the long groups and the code lists may need
// more room than the window had.
void frmCommChInfo::EnsureRoom() {
  auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (frame == nullptr) return;
  QSize needed = minimumSizeHint() + (frame->size() - size());
  if (frame->width() < needed.width() || frame->height() < needed.height())
    frame->resize(frame->size().expandedTo(needed));
}

void frmCommChInfo::OnSettingsGroupPicked(int group) {
  Guarded(this, "frmCommChInfo_cmbValidGroup_Click", [&] {
    settingsGroup_ = group;
    groupPanel_->Show(host_.Config(), shown_.band, shown_.number, settingsGroup_, host_.Language());
  });
}

void frmCommChInfo::OnGroupValidPicked(int entry) {
  GuardedEdit(this, "frmCommChInfo_cmbGroupValid_Click", host_.Config(), [&] {
    if (entry >= 0 && IsOrdinaryGroup({shown_.band, settingsGroup_}))
      host_.Config().Options.GroupValid({shown_.band, settingsGroup_}) = entry;
  });
}

void frmCommChInfo::OnGroupNameEdited(const QString& name) {
  GuardedEdit(this, "frmCommChInfo_ReShow_Group_Name", host_.Config(), [&] {
    if (!IsOrdinaryGroup({shown_.band, settingsGroup_})) return;
    host_.Config().Options.GroupName({shown_.band, settingsGroup_}) = name.toStdU16String();
    groupPanel_->ShowGroupNames(host_.Config(), shown_.band, shown_.number, settingsGroup_, host_.Language());
    reShowGrid(grid_->CurrentRow());  // "CB Mem Band" lists plan names
  });
}

void frmCommChInfo::OnWorkGroupPicked(int group) {
  GuardedEdit(this, "frmCommChInfo_cmbWorkGroup_Click", host_.Config(), [&] {
    if (IsOrdinaryGroup({shown_.band, group})) host_.Config().Options.WorkGroup(shown_.band) = group;
  });
}

void frmCommChInfo::OnWorkChannelPicked(int number) {
  GuardedEdit(this, "frmCommChInfo_cmbWorkChannel_Click", host_.Config(), [&] {
    host_.Config().Options.WorkChannel(shown_) = number;
    MoveToCell(number, kFrequencyColumn);
  });
}

// ---- grid ----

void frmCommChInfo::SetGridData() {
  Guarded(this, "frmCommChInfo_SetGridData", [&] {
    RefreshCells(true);
    int row = host_.Config().Options.WorkChannel(shown_);
    if (row < 1 || row > grid_->RowCount()) row = 1;
    {
      QSignalBlocker quiet(grid_);
      grid_->SelectCell(row, kFrequencyColumn);
    }
    reShowGrid(row);
  });
}

void frmCommChInfo::RefreshCells(bool tellNotNumeric) {
  GridCells cells = GridFrequencies(host_.Config(), shown_, limits_);
  grid_->SetFrequencies(cells.frequencies);
  if (cells.notNumeric && tellNotNumeric) Tell(this, QText(Txt::NotIsNumeric, host_.Language()), Icon::Warning);
}

void frmCommChInfo::reShowGrid(int row) {
  Guarded(this, "frmCommChInfo_reShowGrid", [&] { ShowChannelDetail(row); });
}

void frmCommChInfo::ShowChannelDetail(int row) {
  int language = host_.Language();
  RowKind kind = TargetOfRow(shown_, row).kind;
  detail_->setTitle(QText(Txt::DetailCaption, language) + QUtf8(GetCHName(shown_, row)));
  Guarded(this, kind == RowKind::CbMemory ? "ShowChIfoDataOther" : "ShowChIfoData", [&] {
    detail_->Show({host_.Config(), shown_}, RecordAtRow(host_.Config(), shown_, row), kind, language);
  });
  EnsureRoom();
}

void frmCommChInfo::OnChoicePicked(int field, int entry) {
  SaveShowGridData();
  GuardedEdit(this, "frmCommChInfo_cmbDetail_Click", host_.Config(), [&] {
    int row = grid_->CurrentRow();
    ChannelRecord* record = RecordAtRow(host_.Config(), shown_, row);
    if (record == nullptr) return;
    const DetailFieldDef& def = DetailFields()[field];
    StoreChoice(def, {host_.Config(), shown_}, *record, entry);
    reShowGrid(row);
  });
}

void frmCommChInfo::RefreshAfterChannelChange(int row) {
  RefreshCells(false);
  groupPanel_->Show(host_.Config(), shown_.band, shown_.number, settingsGroup_, host_.Language());
  reShowGrid(row);
}

void frmCommChInfo::MoveToCell(int row, int column) {
  grid_->SelectCell(row, column);
  grid_->setFocus(Qt::OtherFocusReason);
}

void frmCommChInfo::GridNextLine() {
  SaveShowGridData();
  Guarded(this, "frmCommChInfo_GridNextLine", [&] {
    int row = grid_->CurrentRow() + 1;
    MoveToCell(row > grid_->RowCount() ? 1 : row, kFrequencyColumn);
  });
}

void frmCommChInfo::GridNextCol() {
  SaveShowGridData();
  Guarded(this, "rmCommChInfo_GridNextCol", [&] {
    int row = grid_->CurrentRow();
    int column = grid_->CurrentColumn() + 1;
    if (column > kFrequencyColumn) {
      column = kFrequencyColumn;
      row = row >= grid_->RowCount() ? 1 : row + 1;
    }
    MoveToCell(row, column);
  });
}

// ---- in-place frequency entry (HF and HAM; CB frequencies are fixed) ----

void frmCommChInfo::EnterGridEdit(int row) {
  Guarded(this, "frmCommChInfo_EnterGridEdit", [&] {
    if (shown_.band != kCB) grid_->ShowEditBox(row);
  });
}

void frmCommChInfo::OnEditEnter() {
  if (grid_->editBox()->text().isEmpty()) GridNextLine();
}

void frmCommChInfo::CancelEdit() {
  grid_->HideEditBox();
  grid_->setFocus(Qt::OtherFocusReason);
}

void frmCommChInfo::CommitPendingEdit() { SaveShowGridData(); }

// Leaving the box without typing stores nothing: a frequency read from the
// radio with Hz digits is not rounded to the grid's five decimals by a look.
void frmCommChInfo::SaveShowGridData() {
  if (committing_ || grid_ == nullptr || !grid_->IsEditing()) return;
  committing_ = true;
  int row = grid_->EditRow();
  bool typed = grid_->editBox()->isModified();
  std::string entry = grid_->editBox()->text().toStdString();
  grid_->HideEditBox();
  if (shown_.band != kCB && typed) {
    lastEditedRow_ = row;
    GuardedEdit(this, "frmCommChInfo_SaveShowGridData", host_.Config(), [&] {
      if (IsOrdinaryGroup(shown_)) host_.Config().Options.WorkGroup(shown_.band) = shown_.number;
      EntryResult result = StoreFrequencyEntry(host_.Config(), shown_, row, entry, limits_);
      RefreshAfterChannelChange(row);
      if (result.outOfRange) Tell(this, QText(Txt::FrequencyOutOfRange, host_.Language()), Icon::Warning);
    });
  }
  committing_ = false;
}

// ---- row menu ----

// In HF the menu serves the MEM group only; in CB and HAM every group.
void frmCommChInfo::OnRowMenu(int row, const QPoint& globalPos) {
  Guarded(this, "frmCommChInfo_MSFlexGrid1_MouseDown", [&] {
    if (shown_.band == kHF && !IsMemGroup(shown_)) return;
    QPointer<frmCommChInfo> self(this);
    listEditMenu_.PopUp(globalPos, [self, row](RowCommand command) {
      if (self) self->RunListEditAt(command, row);
    });
  });
}

void frmCommChInfo::RunListEdit(RowCommand command) { RunListEditAt(command, grid_->CurrentRow()); }

void frmCommChInfo::RunListEditAt(RowCommand command, int row) {
  SaveShowGridData();
  GuardedEdit(this, "frmCommChInfo_ListEdit", host_.Config(), [&] {
    RowResult result = RunRowCommand(command, host_.Config(), listEditMenu_.clipboard(), shown_, row);
    if (result.changed) RefreshAfterChannelChange(row);
    if (result.outOfRange) Tell(this, QText(Txt::FrequencyOutOfRange, host_.Language()), Icon::Warning);
  });
}

// ---- window ----

void frmCommChInfo::ReferencesChanged() {
  if (grid_->RowCount() > 0) reShowGrid(grid_->CurrentRow());
}

// The configuration changed behind the window (an undo or redo): it is shown
// again on the same row. An ordinary group follows the band's work group, as
// opening the window does, so a step back to another group goes there; the
// MEM and VFO groups, which are never a work group, stay.
void frmCommChInfo::Reload() {
  Guarded(this, "frmCommChInfo_Form_Load", [&] {
    grid_->HideEditBox();
    lastEditedRow_ = 0;
    const int group = IsOrdinaryGroup(shown_) ? InitialGroup(host_.Config(), shown_.band) : shown_.number;
    if (group != shown_.number || grid_->CurrentRow() < 1)
      ShowGroup(group);
    else
      RefreshAfterChannelChange(grid_->CurrentRow());
  });
}

void frmCommChInfo::ShowChannel(BandGroup group, int row) {
  Guarded(this, "frmCommChInfo_ShowChannel", [&] {
    if (group.band != shown_.band) ShowBand(group.band);  // a band the last radio cannot work stays CB
    if (group.band != shown_.band) return;
    if (group.number != 0 && group.number != shown_.number) ShowGroup(group.number);
    if (row != 0 && group.number == shown_.number) MoveToCell(row, kFrequencyColumn);
  });
}

void frmCommChInfo::closeEvent(QCloseEvent* event) {
  Guarded(this, "frmCommChInfo_Form_Unload", [&] { SaveShowGridData(); });
  event->accept();
}

}  // namespace zq
