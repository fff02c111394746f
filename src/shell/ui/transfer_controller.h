#pragma once
// The radio commands of the main window: Read from Radio, Write to Radio and
// the port window. It runs the transfer engine on the event loop, shows the
// confirmation, the progress window and the messages, and applies a completed read.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "link/comm_transfer.h"
#include "link/qt/qt_reply_timer.h"
#include "link/simulated_radio.h"
#include "shell/ui/frm_progress.h"

namespace zq {

class frmMain;

class TransferController : public QObject, public TransferHost {
  Q_OBJECT
 public:
  explicit TransferController(frmMain& main);
  ~TransferController() override;

  void StartRead();
  // Reads the radio without asking first and without touching the
  // configuration; the image goes to `done` once the read has completed.
  void StartReadForComparison(std::function<void(const MemoryImage&)> done);
  // Lets the editors commit the field being edited, then starts the write a moment later.
  void StartWrite();
  void ShowPortWindow();
  // "Verify after Write": used by every later write and kept in the settings file.
  void SetVerifyAfterWrite(bool on);
  void ClosePort();
  bool running() const { return engine_ && engine_->running(); }
  // A transfer runs or a write is about to start.
  bool busy() const { return running() || timerWrite_.isActive(); }

  // The demonstration radio (--demo attaches one at start): used while chosen in the port window.
  void AttachDemoRadio(std::unique_ptr<SimulatedRadio> radio);
  SimulatedRadio* demoRadio() const { return demoRadio_.get(); }
  bool demoChosen() const { return demoChosen_; }
  // Choosing the simulated radio makes one (at cable speed) when none was attached.
  void ChooseDemo(bool chosen);

  // The port as the status bar shows it after "COM": the number, or the demo radio's name.
  QString PortDisplayName() const;
  // A port on the radio the user has chosen, and its device, for a series of writes.
  std::unique_ptr<SerialPort> MakePort();
  std::string ChosenDevice() const;
  // A port on `device` for one port of a station: the demonstration radio for
  // kDemoDevice, a serial port otherwise.
  std::unique_ptr<SerialPort> MakePortFor(const std::string& device);
  static constexpr const char* kDemoDevice = "demo";
  FrmProgress* progressWindow() const { return progress_; }
  const CommTransfer* transferState() const { return engine_ ? &engine_->state() : nullptr; }

  // TransferHost
  void AskIncompatibleVersion(const std::string& firmwareVersion) override;
  void ShowProgress(int percent) override;
  void VerifyStarted() override;
  void TransferEnded(const TransferOutcome& outcome) override;

 private:
  void RunWrite();
  // Opens the port for a transfer (and asks the user to confirm); false when it did not start.
  bool OpenPort(TransferKind kind);
  bool OpenAndConfirm(TransferKind kind);
  void OpenProgressAndBegin(TransferKind kind);
  void ShowCompletedRead(const TransferOutcome& outcome);
  // Keeps the transfer's backup; a warning text when it could not be written.
  QString BackUp(const TransferOutcome& outcome, bool configurationKept);
  std::string CurrentDevice() const;

  frmMain& main_;
  std::unique_ptr<SerialPort> port_;
  QtReplyTimer timer_;
  std::unique_ptr<TransferEngine> engine_;
  QPointer<FrmProgress> progress_;
  QTimer timerWrite_;
  std::unique_ptr<SimulatedRadio> demoRadio_;
  bool demoChosen_ = false;
  // Set while a read runs for a comparison instead of for the configuration.
  std::function<void(const MemoryImage&)> comparisonRead_;
};

}  // namespace zq
