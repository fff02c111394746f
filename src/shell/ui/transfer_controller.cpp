#include "shell/ui/transfer_controller.h"

#include "datafile/install_layout.h"
#include "image/image_codec.h"
#include "link/port_messages.h"
#include "link/port_names.h"
#include "link/port_settings.h"
#include "link/qt/event_loop_port.h"
#include "link/read_result.h"
#include "link/simulated_port.h"
#include "platform/local_date.h"
#include "shell/demo_radio.h"
#include "shell/transfer_backup.h"
#include "shell/ui/document_commands.h"
#include "shell/ui/editor_table.h"
#include "shell/ui/frm_com_set.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/frm_progress.h"
#include "shell/ui/release_launcher.h"
#include "shell/ui/undo_commands.h"
#include "widgets/guarded.h"
#include "widgets/prompter.h"
#include "widgets/ui_text.h"

namespace zq {

TransferController::TransferController(frmMain& main) : QObject(&main), main_(main) {
  timerWrite_.setSingleShot(true);
  timerWrite_.setInterval(200);
  connect(&timerWrite_, &QTimer::timeout, this, &TransferController::RunWrite);
}

TransferController::~TransferController() {
  engine_.reset();
  if (port_) port_->Close();
}

void TransferController::AttachDemoRadio(std::unique_ptr<SimulatedRadio> radio) {
  demoRadio_ = std::move(radio);
  demoChosen_ = demoRadio_ != nullptr;
}

void TransferController::ChooseDemo(bool chosen) {
  if (chosen && !demoRadio_) demoRadio_ = MakeDemoRadio(main_.state().layout.dataFolder, true);
  demoChosen_ = chosen;
}

std::string TransferController::CurrentDevice() const {
  const AppState& s = main_.state();
  return DeviceOfChoice(PortChoice{s.settings.portNumber, s.namedDevice});
}

QString TransferController::PortDisplayName() const {
  const AppState& s = main_.state();
  if (demoChosen_) return QText(Txt::DemoRadioName, s.language());
  if (s.settings.portNumber == kNamedDevicePort) return QStringLiteral(" ") + QUtf8(s.namedDevice);
  return QString::number(s.settings.portNumber);
}

std::unique_ptr<SerialPort> TransferController::MakePort() { return MakePortFor(ChosenDevice()); }

std::unique_ptr<SerialPort> TransferController::MakePortFor(const std::string& device) {
  if (device == kDemoDevice && demoRadio_) return std::make_unique<SimulatedPort>(*demoRadio_, QtScheduler(this));
  return MakeEventLoopPort();
}

std::string TransferController::ChosenDevice() const { return demoChosen_ ? kDemoDevice : CurrentDevice(); }

bool TransferController::OpenPort(TransferKind kind) {
  if (running()) return false;
  engine_.reset();
  if (port_) port_->Close();
  port_ = MakePort();
  AppState& s = main_.state();
  engine_ = std::make_unique<TransferEngine>(*port_, timer_, s.image, s.versions, *this);
  const std::string device = ChosenDevice();
  PortOpenResult opened = engine_->OpenRadioPort(kind, device);
  if (!opened.ok()) {
    Tell(&main_, QUtf8(PortFailureMessage(opened, device, s.language())), Icon::Error);
    return false;
  }
  return true;
}

bool TransferController::OpenAndConfirm(TransferKind kind) {
  if (!OpenPort(kind)) return false;
  AppState& s = main_.state();
  Txt question = kind == TransferKind::Read ? Txt::ReadConfirm : Txt::WriteConfirm;
  if (CurrentPrompter().Ask(&main_, QText(question, s.language()), Buttons::OkCancel, Icon::Question) != Answer::Ok) {
    engine_->Cancel();
    return false;
  }
  return true;
}

void TransferController::OpenProgressAndBegin(TransferKind kind) {
  auto* window = new FrmProgress(kind == TransferKind::Read ? FrmProgress::Kind::Read : FrmProgress::Kind::Write,
                                 main_.state().language(), &main_);
  window->setAttribute(Qt::WA_DeleteOnClose);
  progress_ = window;
  window->show();  // modal for the user, while the event loop runs on
  engine_->Begin();
}

void TransferController::StartRead() {
  if (busy()) return;
  if (!main_.documents().OfferToSaveChanges() || !OpenAndConfirm(TransferKind::Read))
    return;  // a read replaces the document
  comparisonRead_ = nullptr;
  OpenProgressAndBegin(TransferKind::Read);
}

void TransferController::StartReadForComparison(std::function<void(const MemoryImage&)> done) {
  if (busy() || !OpenPort(TransferKind::Read)) return;
  comparisonRead_ = std::move(done);
  OpenProgressAndBegin(TransferKind::Read);
}

void TransferController::StartWrite() {
  if (running() || timerWrite_.isActive()) return;
  main_.CommitEditors();
  timerWrite_.start();
}

void TransferController::RunWrite() {
  Guarded(&main_, "frmMain_TimerWrite_Timer", [&] {
    if (!OpenAndConfirm(TransferKind::Write)) return;
    AppState& s = main_.state();
    engine_->SetVerifyAfterWrite(s.settings.verifyWrite);
    main_.undoCommands().RecordNow();
    ClearImage(s.image);
    EncodeImage(s.config, s.image, ImageOptions{s.systemLocaleId});
    main_.undoCommands().AbsorbOwnChanges();
    OpenProgressAndBegin(TransferKind::Write);
  });
}

void TransferController::ClosePort() {
  if (port_ && port_->IsOpen()) port_->Close();
}

void TransferController::AskIncompatibleVersion(const std::string& firmwareVersion) {
  const QString shown =
      QUtf8(IncompatibilityText(kDataVersion, firmwareVersion, VersionKind::RadioFirmware, main_.state().language()));
  if (CurrentPrompter().Ask(&main_, shown, Buttons::YesNo, Icon::Question) == Answer::Yes)
    StartMatchingRelease(main_, firmwareVersion, true);
}

void TransferController::ShowProgress(int percent) {
  if (progress_ && progress_->isVisible()) progress_->SetPercent(percent);
}

void TransferController::VerifyStarted() {
  if (progress_) progress_->SetKind(FrmProgress::Kind::Verify);
}

void TransferController::TransferEnded(const TransferOutcome& outcome) {
  if (progress_) progress_->close();
  if (engine_ && !engine_->identity().model.empty()) main_.state().identity = engine_->identity();
  const int language = main_.state().language();
  for (const TextMessage& message : outcome.messages) Tell(&main_, QUtf8(Render(message, language)), Icon::Warning);
  auto comparison = std::exchange(comparisonRead_, nullptr);
  const bool completedRead = outcome.success && outcome.kind == TransferKind::Read;
  if (completedRead && !comparison) Guarded(&main_, "frmMain_ReadCompleted", [&] { ShowCompletedRead(outcome); });
  QString backupWarning;
  Guarded(&main_, "frmMain_BackUpTransfer", [&] { backupWarning = BackUp(outcome, comparison != nullptr); });
  // A read for a comparison shows the comparison instead of its completion.
  if (outcome.completionMessage && !comparison)
    Tell(&main_, QUtf8(Render(*outcome.completionMessage, language)), Icon::Information);
  if (!backupWarning.isEmpty()) Tell(&main_, backupWarning, Icon::Warning);
  if (completedRead && comparison)
    Guarded(&main_, "frmMain_CompareWithRadio", [&] { comparison(main_.state().image); });
}

QString TransferController::BackUp(const TransferOutcome& outcome, bool configurationKept) {
  const AppState& s = main_.state();
  auto folder = s.layout.backupFolder;
  // The backup of a read holds the configuration the read gives, even when it was not taken.
  RadioConfig cfg = s.config;
  DocumentState doc = s.document;
  if (configurationKept) ApplyCompletedRead(outcome, s.image, cfg, doc, ImageOptions{s.systemLocaleId});
  auto backup = BackUpTransfer(outcome, folder, LocalNow(), s.image, cfg, doc);
  return backup && !backup->ok ? QUtf8(BackupFailedText(folder, s.language())) : QString();
}

void TransferController::SetVerifyAfterWrite(bool on) {
  AppState& s = main_.state();
  s.settings.verifyWrite = on;
  StoreVerifyWrite(s.layout.settingsFile, on);
}

void TransferController::ShowCompletedRead(const TransferOutcome& outcome) {
  AppState& s = main_.state();
  main_.CloseAllEditors();
  ApplyCompletedRead(outcome, s.image, s.config, s.document, ImageOptions{s.systemLocaleId});
  main_.undoCommands().StartFresh();
  main_.Change_Language();
  main_.OpenEditor(kChannelEditorKey);
  main_.CascadeEditors();
}

void TransferController::ShowPortWindow() {
  FrmComSet window(main_, *this);
  window.exec();
  main_.SetStatusNote(demoChosen_ ? std::optional<Txt>(Txt::DemoStatus) : std::nullopt);
  main_.Change_Language();
}

}  // namespace zq
