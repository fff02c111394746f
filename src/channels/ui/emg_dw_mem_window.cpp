#include "channels/ui/emg_dw_mem_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "channels/emg_dw_mem_choices.h"
#include "widgets/editor_host.h"
#include "widgets/fields_scroll_area.h"
#include "widgets/guarded.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

constexpr int kListMinimumWidth = 80;
constexpr int kColumnSpacing = 12;

}  // namespace

SpecialSettingsWindow::SpecialSettingsWindow(EditorHost& host, SpecialWindow which)
    : EditorWindow(nullptr), host_(host), which_(which), def_(SpecialWindowOf(which)) {
  setObjectName(QString::fromLatin1(def_.handlerPrefix));
  Guarded(this, HandlerName("Form_Load").c_str(), [&] {
    Build();
    Reload();
  });
}

std::string SpecialSettingsWindow::HandlerName(const char* handler) const {
  return std::string(def_.handlerPrefix) + "_" + handler;
}

void SpecialSettingsWindow::Build() {
  QGridLayout* grids[3] = {};
  for (int f = 0; f < 3; ++f) {
    frames_[f] = new QGroupBox(this);
    grids[f] = new QGridLayout(frames_[f]);
    grids[f]->setHorizontalSpacing(kColumnSpacing);
  }
  const auto& fields = def_.fields;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const SpecialField& field = fields[i];
    QString name = QUtf8(FieldLabel(field, kEnglish));
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("label:") + name);
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->setMinimumWidth(kListMinimumWidth);
    list->setEnabled(field.editable);
    label->setEnabled(field.editable);
    label->setBuddy(list);
    QGridLayout* grid = grids[static_cast<int>(field.frame)];
    grid->addWidget(label, field.row, 2 * field.column);
    grid->addWidget(list, field.row, 2 * field.column + 1);
    int index = static_cast<int>(i);
    connect(list, &QComboBox::activated, this, [this, index](int entry) { OnPicked(index, entry); });
    labels_.push_back(label);
    lists_.push_back(list);
  }
  save_ = new QPushButton(this);
  save_->setObjectName("cmdSave");
  close_ = new QPushButton(this);
  close_->setObjectName("cmdClose");
  connect(save_, &QPushButton::clicked, this, [this] { Save(); });
  connect(close_, &QPushButton::clicked, this, [this] { CloseWindow(); });

  // The CB plans on the left, HF above HAM on the right: the two band frames
  // together have about as many rows as the plans, so the window is as low as
  // its longest frame and opens whole on a laptop screen.
  auto* frameHolder = new QWidget;
  auto* fieldsLayout = new QGridLayout(frameHolder);
  fieldsLayout->setContentsMargins(0, 0, 0, 0);
  fieldsLayout->addWidget(frames_[static_cast<int>(SpecialFrame::Cb)], 0, 0, 2, 1, Qt::AlignTop);
  fieldsLayout->addWidget(frames_[static_cast<int>(SpecialFrame::Hf)], 0, 1, Qt::AlignTop);
  fieldsLayout->addWidget(frames_[static_cast<int>(SpecialFrame::Ham)], 1, 1, Qt::AlignTop);
  fieldsLayout->setRowStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(save_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  // Scrolled only on screens smaller than a laptop's.
  layout->addWidget(new FieldsScrollArea(frameHolder, this, FieldsScrollArea::Sideways::Scroll), 1);
  layout->addLayout(buttons);
}

void SpecialSettingsWindow::ApplyLanguage() {
  Guarded(this, HandlerName("ChangeLanguage").c_str(), [&] {
    int language = host_.Language();
    setWindowTitle(QText(def_.caption, language));
    for (int f = 0; f < 3; ++f) frames_[f]->setTitle(QText(kSpecialFrameTitles[f], language));
    for (std::size_t i = 0; i < def_.fields.size(); ++i) {
      labels_[i]->setText(QUtf8(FieldLabel(def_.fields[i], language)));
      QString tip = def_.fields[i].editable ? QString() : QText(Txt::UkRowsShowUUk, language);
      labels_[i]->setToolTip(tip);
      lists_[i]->setToolTip(tip);
    }
    save_->setText(QText(Txt::SaveButton, language));
    close_->setText(QText(Txt::CloseButton, language));
    FillAllFieldsBut(-1);
  });
}

void SpecialSettingsWindow::Reload() {
  auto record = SettingsOf(host_.Config(), which_);
  copy_.assign(record.begin(), record.end());
  ApplyLanguage();
}

bool SpecialSettingsWindow::HoldsUnsavedChoices() const {
  auto record = SettingsOf(host_.Config(), which_);
  return !std::equal(copy_.begin(), copy_.end(), record.begin(), record.end());
}

void SpecialSettingsWindow::FillField(int index) {
  const SpecialField& field = def_.fields[index];
  Choices choices = FieldChoices(host_.Config(), field, copy_, host_.Language());
  QComboBox* list = lists_[index];
  list->clear();
  for (const Choice& c : choices) list->addItem(QUtf8(c.text), c.value);
  list->setCurrentIndex(ShownChoice(choices, copy_[field.setting]));
  // A CB plan without memories says so rather than offering an empty list;
  // nothing can be picked there, and the stored value stays.
  const bool noMemories = choices.empty() && which_ == SpecialWindow::MemoryChannel && field.frame == SpecialFrame::Cb;
  if (noMemories) list->addItem(QText(Txt::NoCbMemories, host_.Language()));
  list->setEnabled(field.editable && !noMemories);
}

void SpecialSettingsWindow::FillAllFieldsBut(int index) {
  for (int i = 0; i < static_cast<int>(def_.fields.size()); ++i)
    if (i != index) FillField(i);
}

void SpecialSettingsWindow::OnPicked(int index, int entry) {
  Guarded(this, HandlerName("Combo_Click").c_str(), [&] {
    int value = lists_[index]->itemData(entry).toInt();
    ChooseFieldValue(host_.Config(), which_, def_.fields[index], value, copy_);
    FillAllFieldsBut(index);  // channel lists follow their band; shown-only rows follow what they show
  });
}

void SpecialSettingsWindow::Save() {
  Guarded(this, HandlerName("cmdSave_Click").c_str(), [&] {
    auto record = SettingsOf(host_.Config(), which_);
    std::copy(copy_.begin(), copy_.end(), record.begin());
    CloseWindow();
  });
}

void SpecialSettingsWindow::CloseWindow() {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
    frame->close();
  else
    close();
}

}  // namespace zq
