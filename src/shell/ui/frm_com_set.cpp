#include "shell/ui/frm_com_set.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "datafile/install_layout.h"
#include "link/port_list.h"
#include "link/port_names.h"
#include "link/port_settings.h"
#include "widgets/dialog_buttons.h"
#include "shell/ui/frm_main.h"
#include "widgets/guarded.h"
#include "shell/ui/transfer_controller.h"
#include "widgets/ui_text.h"

namespace zq {

FrmComSet::FrmComSet(frmMain& main, TransferController& transfers)
    : QDialog(&main), main_(main), transfers_(transfers) {
  int language = main.state().language();
  setWindowTitle(QText(Txt::PortWindowCaption, language));
  setModal(true);
  list_ = new QComboBox(this);
  list_->setObjectName("portList");
  list_->setEditable(true);  // a device outside the list (a pseudo-terminal, an unusual adapter) can be typed
  list_->setInsertPolicy(QComboBox::NoInsert);
  list_->setMinimumWidth(260);
  connect(list_, &QComboBox::currentIndexChanged, this, [this](int index) {
    currentPort_ = index < 0 ? 0 : list_->itemData(index).toInt();
  });


  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QText(Txt::PortLabel, language), this));
  row->addWidget(list_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addLayout(OkCancelRow(*this, language, false));
  connect(findChild<QPushButton*>("ok"), &QPushButton::clicked, this,
          [this] { Guarded(this, "FrmComSet_cmdOK_Click", [this] { OnOk(); }); });

  currentPort_ = transfers_.demoChosen() ? kDemoPortEntry : main.state().settings.portNumber;
  FillList();
  SelectCurrent();
  refresh_.setInterval(1000);
  connect(&refresh_, &QTimer::timeout, this, [this] { Guarded(this, "FrmComSet_ReShowComPortTimer", [this] { RefreshPorts(); }); });
  refresh_.start();
  connect(this, &QDialog::finished, &refresh_, &QTimer::stop);
}

void FrmComSet::FillList() {
  QSignalBlocker quiet(list_);
  list_->clear();
  if (transfers_.demoRadio())
    list_->addItem(QText(Txt::DemoPortEntry, main_.state().language()), kDemoPortEntry);
  for (const PortEntry& entry : ListSerialPorts())
    list_->addItem(QString::fromStdString(entry.text() + "  " + entry.device), entry.number);
  const AppState& s = main_.state();
  if (s.settings.portNumber == kNamedDevicePort && !s.namedDevice.empty())
    list_->addItem(QString::fromStdString(s.namedDevice), kNamedDevicePort);
}

// The window's current port stays selected while it exists; otherwise the first entry.
void FrmComSet::SelectCurrent() {
  QSignalBlocker quiet(list_);
  if (list_->count() == 0) {
    list_->setCurrentIndex(-1);
    list_->setEditText(QString());
    currentPort_ = 0;
    return;
  }
  int index = list_->findData(currentPort_);
  list_->setCurrentIndex(index < 0 ? 0 : index);
  currentPort_ = list_->currentData().toInt();
}

void FrmComSet::RefreshPorts() {
  if (list_->lineEdit() && list_->lineEdit()->hasFocus() && list_->currentText() != list_->itemText(list_->currentIndex()))
    return;  // the user is typing a device; the list waits
  FillList();
  SelectCurrent();
}

void FrmComSet::OnOk() {
  AppState& s = main_.state();
  QString text = list_->currentText().trimmed();
  int index = list_->findText(text);
  if (text.isEmpty()) {
    s.settings.portNumber = 0;  // nothing chosen; not saved
    transfers_.ChooseDemo(false);
  } else if (index >= 0 && list_->itemData(index).toInt() == kDemoPortEntry) {
    transfers_.ChooseDemo(true);
  } else {
    std::string device = index >= 0 && list_->itemData(index).toInt() != kNamedDevicePort
                             ? DeviceOfPortNumber(list_->itemData(index).toInt()).value_or("")
                             : DeviceOfPortName(text.toStdString()).value_or(text.toStdString());
    PortChoice choice = ChoiceOfDevice(device);
    s.settings.portNumber = choice.portNumber;
    s.namedDevice = choice.namedDevice;
    SavePortChoice(s.layout.settingsFile, choice);
    transfers_.ChooseDemo(false);
  }
  accept();
}

}  // namespace zq
