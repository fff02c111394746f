#pragma once
// FrmProgress: the progress window of a read or write. It is modal for the
// user but never blocks the event loop, so the transfer runs on beneath it;
// closing it only hides the progress.
#include <QDialog>

class QLabel;
class QProgressBar;

namespace zq {

class FrmProgress : public QDialog {
  Q_OBJECT
 public:
  enum class Kind { Read, Write, Verify };
  FrmProgress(Kind kind, int language, QWidget* parent = nullptr);

  // The caption of the transfer's phase; the bar starts again from 0.
  void SetKind(Kind kind);
  void SetPercent(int percent);
  int percent() const;

 private:
  int language_;
  QProgressBar* bar_;
  QLabel* percentLabel_;
};

}  // namespace zq
