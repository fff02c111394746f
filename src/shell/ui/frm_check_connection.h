#pragma once
// Help > Check Connection: every serial device with what can be learnt of it
// and each problem with its remedy, and a handshake with the radio on the
// device chosen (greeting and identity only; nothing is read or written). The
// same facts, problems and texts as `zq4071-cli doctor`.
#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/handshake_check.h"
#include "link/port_diagnosis.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace zq {

class frmMain;
class QtReplyTimer;

class FrmCheckConnection : public QDialog {
  Q_OBJECT
 public:
  explicit FrmCheckConnection(frmMain& main);
  ~FrmCheckConnection() override;

  // Reads the devices again; the chosen port stays selected.
  void Refresh();
  // Greets the radio on the selected device; the result follows when the radio has answered or given up.
  void CheckSelected();
  bool checking() const { return check_ && check_->running(); }

  QTreeWidget* devices() const { return devices_; }
  QPushButton* checkButton() const { return check_button_; }
  QPlainTextEdit* result() const { return result_; }

 signals:
  void checkFinished();

 private:
  struct Entry {
    std::string device;                      // what the port opens; "demo" for the demonstration radio
    std::optional<PortDiagnosis> diagnosis;  // nothing for the demonstration radio
  };
  void Fill();
  void ShowReport(const HandshakeReport& report);
  const Entry* SelectedEntry() const;

  frmMain& main_;
  int language_;
  std::vector<Entry> entries_;
  QTreeWidget* devices_ = nullptr;
  QPushButton* check_button_ = nullptr;
  QPushButton* refresh_ = nullptr;
  QPushButton* close_ = nullptr;
  QPlainTextEdit* result_ = nullptr;
  std::unique_ptr<SerialPort> port_;
  std::unique_ptr<QtReplyTimer> timer_;
  std::unique_ptr<HandshakeCheck> check_;
};

}  // namespace zq
