#include "shell/ui/frm_progress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "widgets/ui_text.h"

namespace zq {
namespace {

constexpr Txt kCaptions[] = {Txt::ReadProgressCaption, Txt::WriteProgressCaption, Txt::VerifyProgressCaption};

}  // namespace

FrmProgress::FrmProgress(Kind kind, int language, QWidget* parent) : QDialog(parent), language_(language) {
  setWindowModality(Qt::ApplicationModal);
  bar_ = new QProgressBar(this);
  bar_->setObjectName("progressBar");
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  percentLabel_ = new QLabel(QStringLiteral("0%"), this);
  percentLabel_->setObjectName("percentLabel");
  percentLabel_->setMinimumWidth(40);

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QText(Txt::CompletionLabel, language), this));
  row->addWidget(percentLabel_);
  row->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(bar_);
  setMinimumWidth(380);
  SetKind(kind);
}

void FrmProgress::SetKind(Kind kind) {
  setWindowTitle(QText(kCaptions[static_cast<int>(kind)], language_));
  SetPercent(0);
}

void FrmProgress::SetPercent(int percent) {
  bar_->setValue(percent);
  percentLabel_->setText(QString::number(percent) + QLatin1Char('%'));
}

int FrmProgress::percent() const { return bar_->value(); }

}  // namespace zq
