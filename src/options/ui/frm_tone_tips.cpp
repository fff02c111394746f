#include "options/ui/frm_tone_tips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "options/roger_beep_rules.h"
#include "options/roger_lists.h"
#include "options/roger_preview.h"
#include "options/ui/choice_combo.h"
#include "options/ui/roger_diagram.h"
#include "options/ui/roger_player.h"
#include "widgets/editor_host.h"
#include "widgets/fields_scroll_area.h"
#include "widgets/guarded.h"
#include "widgets/ui_text.h"

namespace zq {

FrmToneTips::FrmToneTips(EditorHost& host) : host_(host) {
  setObjectName("FrmToneTips");
  Guarded(this, "FrmToneTips_Form_Load", [&] {
    BuildWindow();
    FillLists();
    SetCaptions();
    ShowPreset();
  });
}

FrmToneTips::~FrmToneTips() { StopPreview(); }

RadioConfig& FrmToneTips::cfg() { return host_.Config(); }

const RogerBeepPreset& FrmToneTips::preset() { return cfg().RogerBeepTable[shownPreset() - 1]; }

int FrmToneTips::language() const { return host_.Language(); }

int FrmToneTips::shownPreset() const { return tabs_->currentIndex() + 1; }

void FrmToneTips::BuildWindow() {
  tabs_ = new QTabBar(this);
  tabs_->setObjectName("rogerTabs");
  for (int n = 1; n <= kRogerPresets; ++n) tabs_->addTab(QString());
  connect(tabs_, &QTabBar::currentChanged, this, [this] { Guarded(this, "TabStrip_Click", [&] { ShowPreset(); }); });

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(kLabelGap);
  grid->setVerticalSpacing(3);
  recycleLabel_ = new QLabel(this);
  recycle_ = NewChoiceList("RecycleTimes", this);
  interTimeLabel_ = new QLabel(this);
  interTime_ = NewChoiceList("InterTime", this);
  for (QLabel* label : {recycleLabel_, interTimeLabel_}) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(recycleLabel_, 0, 0);
  grid->addWidget(recycle_, 0, 1);
  grid->addWidget(interTimeLabel_, 1, 0);
  grid->addWidget(interTime_, 1, 1);
  connect(recycle_, &QComboBox::activated, this, &FrmToneTips::OnRecycleChosen);
  connect(interTime_, &QComboBox::activated, this, &FrmToneTips::OnInterTimeChosen);

  frequencyHeader_ = new QLabel(this);
  durationHeader_ = new QLabel(this);
  grid->addWidget(frequencyHeader_, 2, 1, Qt::AlignHCenter);
  grid->addWidget(durationHeader_, 2, 2, Qt::AlignHCenter);
  for (int step = 1; step <= kRogerSteps; ++step) {
    StepControls controls{new QLabel(this), NewChoiceList(QStringLiteral("Frequency_%1").arg(step), this),
                          NewChoiceList(QStringLiteral("ToneLong_%1").arg(step), this)};
    controls.caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(controls.frequency, &QComboBox::activated, this, [this, step] { OnFrequencyChosen(step); });
    connect(controls.duration, &QComboBox::activated, this, [this, step] { OnDurationChosen(step); });
    grid->addWidget(controls.caption, 2 + step, 0);
    grid->addWidget(controls.frequency, 2 + step, 1);
    grid->addWidget(controls.duration, 2 + step, 2);
    steps_.push_back(controls);
  }

  diagram_ = new RogerDiagram(this);
  play_ = new QPushButton(this);
  play_->setObjectName("cmdPlay");
  stop_ = new QPushButton(this);
  stop_->setObjectName("cmdStop");
  player_ = new RogerPlayer(this);
  connect(play_, &QPushButton::clicked, this, [this] { Guarded(this, "cmdPlay_Click", [&] { Play(); }); });
  connect(stop_, &QPushButton::clicked, this, [this] { Guarded(this, "cmdStop_Click", [&] { StopPreview(); }); });
  connect(player_, &RogerPlayer::finished, this, [this] { play_->setEnabled(true); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(play_);
  buttons->addWidget(stop_);
  auto* fields = new QWidget;
  auto* fieldsLayout = new QVBoxLayout(fields);
  fieldsLayout->setContentsMargins(0, 0, 0, 0);
  fieldsLayout->addLayout(grid);
  fieldsLayout->addWidget(diagram_);
  fieldsLayout->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  // The steps and the diagram are taller than a scaled laptop screen; the buttons stay in sight.
  layout->addWidget(new FieldsScrollArea(fields, this), 1);
  layout->addLayout(buttons);
}

void FrmToneTips::FillLists() {
  FillChoices(recycle_, BuildChoices(RogerRecycleList(), language()));
  const Choices times = BuildChoices(RogerTimeList(), language());
  const Choices frequencies = BuildChoices(RogerFrequencyList(), language());
  FillChoices(interTime_, times);
  for (StepControls& controls : steps_) {
    FillChoices(controls.frequency, frequencies);
    FillChoices(controls.duration, times);
  }
}

void FrmToneTips::SetCaptions() {
  setWindowTitle(QText(Txt::TreeRogerBeep, language()));
  for (int n = 1; n <= kRogerPresets; ++n)
    tabs_->setTabText(n - 1, QText(Txt::RbTab, language()) + QLatin1Char(' ') + QString::number(n));
  recycleLabel_->setText(QText(Txt::RbRecycle, language()));
  interTimeLabel_->setText(QText(Txt::RbInterTime, language()));
  frequencyHeader_->setText(QText(Txt::RbFrequency, language()));
  durationHeader_->setText(QText(Txt::RbToneLong, language()));
  const auto captions = RogerStepCaptions();
  for (int k = 0; k < kRogerSteps; ++k) {
    steps_[k].caption->setText(QText(captions[k], language()));
    // The frequency list has the step's caption as its label; the duration list is named by both.
    steps_[k].duration->setAccessibleName(steps_[k].caption->text() + QLatin1Char(' ') + durationHeader_->text());
  }
  play_->setText(QText(Txt::RbPlay, language()));
  stop_->setText(QText(Txt::RbStop, language()));
}

void FrmToneTips::ShowPreset() {
  const RogerBeepPreset& shown = preset();
  SelectStored(recycle_, shown[kRecycleTimesIndex]);
  SelectStored(interTime_, shown[kInterTimeIndex]);
  for (int step = 1; step <= kRogerSteps; ++step) {
    SelectStored(steps_[step - 1].frequency, StepFrequency(shown, step));
    SelectStored(steps_[step - 1].duration, StepDuration(shown, step));
  }
  diagram_->SetPreset(shown);
}

void FrmToneTips::AfterDefiningChange(bool stored, QComboBox* combo, int storedValue) {
  if (!stored) {
    SelectStored(combo, storedValue);
    return;
  }
  diagram_->SetPreset(preset());
  host_.BroadcastReferencesChanged();
}

void FrmToneTips::OnRecycleChosen() {
  GuardedEdit(this, "cboRecycleTimes_Click", cfg(), [&] {
    const int before = preset()[kRecycleTimesIndex];
    AfterDefiningChange(SetRogerRecycleTimes(cfg(), shownPreset(), ChosenValue(recycle_)), recycle_, before);
  });
}

void FrmToneTips::OnDurationChosen(int step) {
  GuardedEdit(this, "cboToneLong_Click", cfg(), [&] {
    QComboBox* combo = steps_[step - 1].duration;
    const int before = StepDuration(preset(), step);
    AfterDefiningChange(SetRogerStepDuration(cfg(), shownPreset(), step, ChosenValue(combo)), combo, before);
  });
}

void FrmToneTips::OnInterTimeChosen() {
  GuardedEdit(this, "cboInterTime_Click", cfg(), [&] {
    if (!SetRogerInterTime(cfg(), shownPreset(), ChosenValue(interTime_)))
      SelectStored(interTime_, preset()[kInterTimeIndex]);
  });
}

void FrmToneTips::OnFrequencyChosen(int step) {
  GuardedEdit(this, "cboFrequency_Click", cfg(), [&] {
    QComboBox* combo = steps_[step - 1].frequency;
    if (!SetRogerStepFrequency(cfg(), shownPreset(), step, ChosenValue(combo)))
      SelectStored(combo, StepFrequency(preset(), step));
    diagram_->SetPreset(preset());
  });
}

void FrmToneTips::Play() {
  std::vector<BeepEvent> events = RogerPreview(preset());
  if (events.empty()) return;
  play_->setEnabled(false);
  player_->Play(std::move(events));
}

void FrmToneTips::StopPreview() {
  if (!player_) return;
  player_->Stop();
  play_->setEnabled(true);
}

void FrmToneTips::closeEvent(QCloseEvent* event) {
  StopPreview();
  EditorWindow::closeEvent(event);
}

void FrmToneTips::ApplyLanguage() {
  Guarded(this, "FrmToneTips_ApplyLanguage", [&] {
    FillLists();
    SetCaptions();
    ShowPreset();
  });
}

void FrmToneTips::Reload() {
  Guarded(this, "FrmToneTips_Reload", [&] { ShowPreset(); });
}

}  // namespace zq
