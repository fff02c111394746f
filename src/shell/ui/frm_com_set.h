#pragma once
// FrmComSet: the communication-port window. It lists the serial ports the
// system has (refreshed every second, so an adapter plugged in shows up), and
// last the simulated radio, so that the program can be tried without a radio.
// It takes "COM" + a number or the path of a device typed in; anything else is
// refused with a message.
#include <QDialog>
#include <QString>
#include <QTimer>
#include <vector>

class QComboBox;

namespace zq {

class frmMain;
class TransferController;

class FrmComSet : public QDialog {
  Q_OBJECT
 public:
  FrmComSet(frmMain& main, TransferController& transfers);

  QComboBox* portList() const { return list_; }
  // The port the window would choose now: a number, or the demo radio.
  // Brings the list up to date as the refresh timer does.
  void RefreshPorts();

 private:
  struct ListedPort {
    QString text, tip;
    int number;
    bool operator==(const ListedPort&) const = default;
  };
  std::vector<ListedPort> PortsNow() const;
  bool UserIsTyping() const;
  void SelectCurrent();
  void OnOk();
  // The message for a typed name that names no port.
  QString RefusalOf(const QString& typed) const;

  frmMain& main_;
  TransferController& transfers_;
  QComboBox* list_;
  QTimer refresh_;
  int currentPort_ = 0;
};

// The list entry that stands for the demonstration radio.
inline constexpr int kDemoPortEntry = -1;

}  // namespace zq
