#include "options/ui/frm_opt_features.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <stdexcept>

#include "options/public_switch.h"
#include "options/ui/choice_combo.h"
#include "options/ui/editor_close.h"
#include "text/plain_text.h"
#include "widgets/editor_host.h"
#include "widgets/fields_scroll_area.h"
#include "widgets/filtered_line_edit.h"
#include "widgets/guarded.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

constexpr int kBtNameLength = 16;

QString NameOf(const ValueRef& value) { return QString::fromStdString(ValueName(value)); }

// A stored value outside the box's range can be longer than the user may type
// ("12.3456" where six characters are usual): it is shown whole, and the usual
// limit comes back once a value held within the range is shown.
void ShowInNumberBox(QLineEdit* box, const NumberFormat& format, const QString& text) {
  const int length = std::max(format.maxLength, static_cast<int>(text.size()));
  box->setMaxLength(length);
  box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(length + 3, QLatin1Char('0'))));
  box->setText(text);
}

// The main list is longer than a 768-pixel screen has room for: its rows from
// this one on continue in a column of their own.
constexpr int kMainColumnRows = 20;

QGridLayout* NewGrid(QWidget* parent) {
  auto* grid = new QGridLayout(parent);
  grid->setHorizontalSpacing(kLabelGap);
  grid->setVerticalSpacing(3);
  return grid;
}

}  // namespace

FrmOptFeatures::FrmOptFeatures(EditorHost& host) : host_(host) {
  setObjectName("FrmOptFeatures");
  Guarded(this, "FrmOptFeatures_Form_Load", [&] {
    content_ = BuildContent();
    auto* scroll = new FieldsScrollArea(content_, this, FieldsScrollArea::Sideways::Scroll);
    scroll->setObjectName("optionScroll");
    // Close stays below the scrolled fields, in sight however small the window.
    auto* close = new QPushButton(this);
    close->setObjectName("cmdClose");
    captions_.push_back({close, Txt::CloseButton});
    connect(close, &QPushButton::clicked, this,
            [this] { Guarded(this, "cmdClose_Click", [&] { CloseEditorWindow(this); }); });
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(6, 4, 6, 6);
    buttonRow->addStretch(1);
    buttonRow->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttonRow);
    FillAllLists();
    SetCaptions();
    ShowValues();
    ApplyEnableRules();
    loaded_ = true;
  });
}

RadioConfig& FrmOptFeatures::cfg() { return host_.Config(); }

int FrmOptFeatures::language() const { return host_.Language(); }

bool FrmOptFeatures::ShowsCbBand() const { return host_.CurrentBand() == kCB; }

// Four columns, each short enough for a 1366 x 768 screen: the main list,
// its continuation with the mode frame and the PUBLIC switches, the second
// list, and the band settings and the BLE frame as tabs.
QWidget* FrmOptFeatures::BuildContent() {
  auto* content = new QWidget;
  content->setObjectName("optionContent");
  auto* mainMore = new QWidget(content);
  std::map<OptionPlace, QWidget*> holders = {
      {OptionPlace::Main, new QWidget(content)},
      {OptionPlace::Second, new QWidget(content)},
      {OptionPlace::ModeFrame, NewFrame("ModeEnableFrame", Txt::OptModeEnable)},
      {OptionPlace::Ble, NewFrame("BleFrame", Txt::OptBle)},
      {OptionPlace::Switches, new QWidget(content)},
  };
  std::map<OptionPlace, GridPlace> places;
  for (auto& [place, holder] : holders) places[place].grid = NewGrid(holder);
  GridPlace continued{NewGrid(mainMore)};
  for (const OptionControl& def : OptionControls()) {
    GridPlace& main = places[OptionPlace::Main];
    const bool full = main.row >= kMainColumnRows && !(def.besidePrevious && continued.row == 0);
    AddControl(def, def.place == OptionPlace::Main && full ? continued : places[def.place]);
  }

  auto* second = new QVBoxLayout;
  second->addWidget(mainMore);
  second->addWidget(holders[OptionPlace::ModeFrame]);
  second->addWidget(holders[OptionPlace::Switches]);
  second->addStretch(1);
  auto* third = new QVBoxLayout;
  third->addWidget(holders[OptionPlace::Second]);
  third->addStretch(1);
  auto* columns = new QHBoxLayout(content);
  columns->addWidget(holders[OptionPlace::Main], 0, Qt::AlignTop);
  columns->addLayout(second);
  columns->addLayout(third);
  columns->addLayout(BuildBandColumn(holders[OptionPlace::Ble]));
  columns->addStretch(1);
  return content;
}

// The CB, HAM and HF frames and the BLE frame as tabs, the band the user works in in front.
QLayout* FrmOptFeatures::BuildBandColumn(QWidget* bleFrame) {
  auto* tabs = new QTabWidget;
  tabs->setObjectName("publicTabs");
  captions_.push_back({tabs, Txt::OptBandTabs});  // tabs have no label of their own to be named by
  for (const PublicBlock& block : PublicBlocks()) {
    tabs->addTab(BuildPublicFrame(block), QString::fromLatin1(BandShortName(block.band)));
    if (block.band == host_.CurrentBand()) tabs->setCurrentIndex(tabs->count() - 1);
  }
  tabs->addTab(bleFrame, QText(Txt::OptBle, language()));
  auto* column = new QVBoxLayout;
  column->addWidget(tabs, 0, Qt::AlignTop);
  column->addStretch(1);
  return column;
}

QGroupBox* FrmOptFeatures::NewFrame(const QString& objectName, Txt caption) {
  auto* frame = new QGroupBox;
  frame->setObjectName(objectName);
  captions_.push_back({frame, caption});
  return frame;
}

void FrmOptFeatures::AddLabel(Txt text, const QString& name, GridPlace& place) {
  auto* label = new QLabel(place.grid->parentWidget());
  label->setObjectName("label_" + name);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  captions_.push_back({label, text});
  place.grid->addWidget(label, place.row, 0);
}

void FrmOptFeatures::AddControl(const OptionControl& def, GridPlace& place) {
  switch (def.kind) {
    case OptionControlKind::List: AddList(def, place); return;
    case OptionControlKind::CheckBox: AddCheck(def, place); return;
    case OptionControlKind::NumberBox: AddTextRow(def, NewNumberBox(def, place.grid->parentWidget()), place); return;
    case OptionControlKind::NameBox: AddTextRow(def, NewNameBox(place.grid->parentWidget()), place); return;
  }
}

void FrmOptFeatures::AddList(const OptionControl& def, GridPlace& place) {
  const QString name = NameOf(def.value);
  QComboBox* combo = NewChoiceList(name, place.grid->parentWidget());
  const int id = def.itemId;
  lists_.push_back({id, def.value, def.list, def.pieces, combo});
  connect(combo, &QComboBox::activated, this, [this, id] { SaveOptFeat(id); });
  if (def.besidePrevious) {
    captions_.push_back({combo, def.label});
    place.grid->addWidget(combo, place.row - 1, 2);
    return;
  }
  AddLabel(def.label, name, place);
  place.grid->addWidget(combo, place.row++, 1);
}

void FrmOptFeatures::AddCheck(const OptionControl& def, GridPlace& place) {
  auto* box = new QCheckBox(place.grid->parentWidget());
  box->setObjectName(NameOf(def.value));
  captions_.push_back({box, def.label});
  const int id = def.itemId;
  checks_.push_back({id, def.value, box});
  connect(box, &QCheckBox::clicked, this, [this, id] { SaveOptFeat(id); });
  place.grid->addWidget(box, place.row++, 0, 1, 3);
}

QLineEdit* FrmOptFeatures::NewNumberBox(const OptionControl& def, QWidget* parent) {
  auto* box = new FilteredLineEdit(FilteredLineEdit::Keys(kDecimalKeys), "FrmOptFeatures_Text_KeyPress", parent);
  ShowInNumberBox(box, def.number, QString());
  numbers_.push_back({&def, box});
  connect(box, &FilteredLineEdit::focusLeft, this, [this, box] { OnNumberLeft(box); });
  connect(box, &QLineEdit::returnPressed, this, [this, box] { OnNumberLeft(box); });
  return box;
}

QLineEdit* FrmOptFeatures::NewNameBox(QWidget* parent) {
  nameBox_ = new QLineEdit(parent);
  nameBox_->setMaxLength(kBtNameLength);
  connect(nameBox_, &QLineEdit::editingFinished, this,
          [this] { GuardedEdit(this, "FrmOptFeatures_Text_Validate", cfg(), [&] { CommitName(); }); });
  return nameBox_;
}

void FrmOptFeatures::AddTextRow(const OptionControl& def, QLineEdit* box, GridPlace& place) {
  const QString name = NameOf(def.value);
  box->setObjectName(name);
  AddLabel(def.label, name, place);
  if (!def.unit) {
    place.grid->addWidget(box, place.row++, 1);
    return;
  }
  auto* unit = new QLabel(place.grid->parentWidget());
  unit->setObjectName("unit_" + name);
  captions_.push_back({unit, *def.unit});
  auto* row = new QHBoxLayout;
  row->setSpacing(kLabelGap);
  row->addWidget(box);
  row->addWidget(unit);
  row->addStretch(1);
  place.grid->addLayout(row, place.row++, 1);
}

QGroupBox* FrmOptFeatures::BuildPublicFrame(const PublicBlock& block) {
  QGroupBox* frame = NewFrame(QStringLiteral("PublicFrame_%1").arg(BandIndex(block.band)), block.caption);
  frames_[BandIndex(block.band)] = frame;
  GridPlace place{NewGrid(frame)};
  for (const PublicRow& row : PublicRows()) {
    if (!BlockShowsRow(block, row)) continue;
    ValueRef value = Field(Opt::PublicParams, block.band, row.param);
    const QString name = NameOf(value);
    QComboBox* combo = NewChoiceList(name, frame);
    const int id = block.firstItemId + row.row;
    lists_.push_back({id, value, row.list, row.pieces, combo});
    connect(combo, &QComboBox::activated, this, [this, id] { SaveOptFeat(id); });
    AddLabel(RowLabel(block, row), name, place);
    place.grid->addWidget(combo, place.row++, 1);
  }
  return frame;
}

void FrmOptFeatures::FillAllLists() {
  const ListContext context = MakeListContext(cfg(), language(), host_.HfCapable(), ShowsCbBand());
  for (ListControl& list : lists_) FillChoices(list.combo, ChoicesOf(list.list, list.pieces, context));
}

void FrmOptFeatures::FillLists(OptionList only) {
  const ListContext context = MakeListContext(cfg(), language(), host_.HfCapable(), ShowsCbBand());
  for (ListControl& list : lists_) {
    if (list.list != only) continue;
    FillChoices(list.combo, ChoicesOf(list.list, list.pieces, context));
    SelectStored(list.combo, ReadValue(cfg(), list.value));
  }
}

void FrmOptFeatures::SetCaptions() {
  setWindowTitle(QText(Txt::OptCaption, language()));
  for (const Caption& caption : captions_) {
    const QString text = QText(caption.text, language());
    if (auto* label = qobject_cast<QLabel*>(caption.widget))
      label->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(caption.widget))
      frame->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(caption.widget))
      button->setText(text);
    else
      caption.widget->setAccessibleName(text);  // a list beside another shares its label
  }
}

void FrmOptFeatures::ShowValues() {
  ShowChoices();
  for (NumberControl& number : numbers_)
    ShowInNumberBox(number.box, number.def->number,
                    QUtf8(ShowNumber(number.def->number, ReadValue(cfg(), number.def->value))));
  nameBox_->setText(QString::fromStdU16String(std::u16string(Cleaned(cfg().Options.BtDeviceName().str()))));
}

void FrmOptFeatures::ShowChoices() {
  for (ListControl& list : lists_) SelectStored(list.combo, ReadValue(cfg(), list.value));
  for (CheckControl& check : checks_) check.box->setChecked(ReadValue(cfg(), check.value) != 0);
}

void FrmOptFeatures::ApplyEnableRules() {
  ListOf(Field(Opt::VoxDelay))->combo->setEnabled(cfg().Options.VoxLevel() != 0);
  ApplyProtectionRules();
  // The handset's type decides which keys it has: "Type 1" and "Type 2" a Pf key, "Type 3" P1-P4.
  const int handType = cfg().Options.HandType();
  const bool pfKey = handType == 0 || handType == 1;
  ListOf(Field(Opt::PfKey))->combo->setEnabled(pfKey);
  for (Opt key : {Opt::P1Key, Opt::P2Key, Opt::P3Key, Opt::P4Key}) ListOf(Field(key))->combo->setEnabled(!pfKey);
  const bool hfCapable = host_.HfCapable();
  for (const Band band : kBands) {
    const bool usable = band == kCB || hfCapable;
    ListOf({ValueRef::PublicSwitch, Opt::WorkGroup, BandIndex(band)})->combo->setEnabled(usable);
    frames_[BandIndex(band)]->setEnabled(usable);
  }
}

void FrmOptFeatures::ApplyProtectionRules() {
  NumberOf(Opt::SwrProtectMax)->box->setEnabled(CheckOf(Opt::SwrProtect)->isChecked());
  const bool battery = CheckOf(Opt::BatteryProtect)->isChecked();
  NumberOf(Opt::BatteryProtectMin)->box->setEnabled(battery);
  NumberOf(Opt::BatteryProtectMax)->box->setEnabled(battery);
}

void FrmOptFeatures::ReShowData() {
  Guarded(this, "ReShowData", [&] {
    FillAllLists();
    ShowValues();
    ApplyEnableRules();
  });
}

void FrmOptFeatures::ShowRB() {
  Guarded(this, "ShowRB", [&] { FillLists(OptionList::RogerPreset); });
}

void FrmOptFeatures::ShowDTMF() {
  Guarded(this, "ShowDTMF", [&] { FillLists(OptionList::DtmfCode); });
}

void FrmOptFeatures::ApplyLanguage() {
  // The text boxes keep what is being typed: it is stored when the box is left.
  Guarded(this, "FrmOptFeatures_ApplyLanguage", [&] {
    SetCaptions();
    FillAllLists();
    ShowChoices();
  });
}

void FrmOptFeatures::ReferencesChanged() {
  ShowRB();
  ShowDTMF();
}

void FrmOptFeatures::Reload() { ReShowData(); }

void FrmOptFeatures::SaveOptFeat(int itemId) {
  if (!loaded_) return;
  GuardedEdit(this, "SaveOptFeat", cfg(), [&] {
    for (const ListControl& list : lists_)
      if (list.itemId == itemId) return StoreList(list);
    for (const CheckControl& check : checks_)
      if (check.itemId == itemId) return StoreCheck(check);
  });
}

void FrmOptFeatures::StoreList(const ListControl& list) {
  const int value = ChosenValue(list.combo);
  if (list.value.kind == ValueRef::PublicSwitch) {
    // The channel table shows each channel's Public: it opens again with the new values.
    const std::optional<Band> band = BandOfIndex(list.value.i);
    if (band && SetPublicSwitch(cfg(), *band, value)) host_.ChannelTablesRewritten();
    return;
  }
  WriteValue(cfg(), list.value, value);
  if (IsField(list.value, Opt::VoxLevel)) ListOf(Field(Opt::VoxDelay))->combo->setEnabled(value != 0);
}

bool FrmOptFeatures::AnotherModeTicked(const QCheckBox* box) const {
  for (const CheckControl& check : checks_)
    if (check.value.kind == ValueRef::ModeEnable && check.box != box && check.box->isChecked()) return true;
  return false;
}

void FrmOptFeatures::StoreCheck(const CheckControl& check) {
  // At least one mode stays allowed: the last ticked mode box cannot be cleared.
  if (check.value.kind == ValueRef::ModeEnable && !check.box->isChecked() && !AnotherModeTicked(check.box))
    check.box->setChecked(true);
  WriteValue(cfg(), check.value, check.box->isChecked() ? 1 : 0);
  ApplyProtectionRules();
}

void FrmOptFeatures::OnNumberLeft(FilteredLineEdit* box) {
  GuardedEdit(this, "FrmOptFeatures_Text_Validate", cfg(), [&] {
    NumberControl* minimum = NumberOf(Opt::BatteryProtectMin);
    NumberControl* maximum = NumberOf(Opt::BatteryProtectMax);
    if (box == minimum->box || box == maximum->box) {
      // Moving between the two ends of the range checks them together once the range is left.
      QWidget* now = QApplication::focusWidget();
      const bool withinRange = !box->hasFocus() && (now == minimum->box || now == maximum->box);
      if (!withinRange) CommitBatteryRange();
      return;
    }
    for (NumberControl& number : numbers_)
      if (number.box == box) CommitNumber(number);
  });
}

void FrmOptFeatures::CommitNumber(const NumberControl& number) {
  if (!loaded_ || !number.box->isModified()) return;
  NumberText normalised = NormaliseNumber(number.def->number, number.box->text().toStdString());
  ShowInNumberBox(number.box, number.def->number, QUtf8(normalised.text));
  WriteValue(cfg(), number.def->value, normalised.stored);
}

void FrmOptFeatures::CommitBatteryRange() {
  NumberControl* minimum = NumberOf(Opt::BatteryProtectMin);
  NumberControl* maximum = NumberOf(Opt::BatteryProtectMax);
  if (!loaded_ || !(minimum->box->isModified() || maximum->box->isModified())) return;
  auto [low, high] = NormaliseRange(minimum->def->number, minimum->box->text().toStdString(),
                                    maximum->box->text().toStdString());
  ShowInNumberBox(minimum->box, minimum->def->number, QUtf8(low.text));
  ShowInNumberBox(maximum->box, maximum->def->number, QUtf8(high.text));
  WriteValue(cfg(), minimum->def->value, low.stored);
  WriteValue(cfg(), maximum->def->value, high.stored);
}

void FrmOptFeatures::CommitName() {
  if (!loaded_ || !nameBox_->isModified()) return;
  std::u16string name = nameBox_->text().toStdU16String();
  name = std::u16string(TrimRight(std::u16string_view(name)).substr(0, kBtNameLength));
  cfg().Options.BtDeviceName() = name;
  nameBox_->setModified(false);
}

void FrmOptFeatures::CommitPendingEdit() {
  GuardedEdit(this, "FrmOptFeatures_Text_Validate", cfg(), [&] {
    for (NumberControl& number : numbers_)
      if (!IsField(number.def->value, Opt::BatteryProtectMin) && !IsField(number.def->value, Opt::BatteryProtectMax))
        CommitNumber(number);
    CommitBatteryRange();
    CommitName();
  });
}

FrmOptFeatures::ListControl* FrmOptFeatures::ListOf(const ValueRef& value) {
  for (ListControl& list : lists_)
    if (SameValue(list.value, value)) return &list;
  throw std::logic_error("no list for " + ValueName(value));
}

QCheckBox* FrmOptFeatures::CheckOf(Opt field) {
  for (CheckControl& check : checks_)
    if (IsField(check.value, field)) return check.box;
  throw std::logic_error("no check box for " + ValueName(Field(field)));
}

FrmOptFeatures::NumberControl* FrmOptFeatures::NumberOf(Opt field) {
  for (NumberControl& number : numbers_)
    if (IsField(number.def->value, field)) return &number;
  throw std::logic_error("no number box for " + ValueName(Field(field)));
}

}  // namespace zq
