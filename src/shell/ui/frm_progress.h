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
  enum class Kind { Read, Write };
  FrmProgress(Kind kind, int language, QWidget* parent = nullptr);

  void SetPercent(int percent);
  int percent() const;

 private:
  QProgressBar* bar_;
  QLabel* percentLabel_;
};

}  // namespace zq
