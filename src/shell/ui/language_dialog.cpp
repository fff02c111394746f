#include "shell/ui/language_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/accessible_names.h"
#include "widgets/dialog_buttons.h"
#include "widgets/ui_text.h"

namespace zq {

LanguageDialog::LanguageDialog(int language, int systemLanguage, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QText(Txt::LanguageWindowCaption, language));
  setModal(true);
  list_ = new QComboBox(this);
  list_->setObjectName("languageList");
  list_->addItem(QText(Txt::LanguageNameEnglish, language), kEnglish);
  if (systemLanguage == kChinese) list_->addItem(QText(Txt::LanguageNameChinese, language), kChinese);
  int current = list_->findData(language);
  list_->setCurrentIndex(current < 0 ? 0 : current);
  list_->installEventFilter(this);

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QText(Txt::LanguageModeLabel, language), this));
  row->addWidget(list_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addLayout(OkCancelRow(*this, language));
  BuddyLabelsOf(*this);
  setMinimumWidth(320);
}

int LanguageDialog::chosenLanguage() const { return list_->currentData().toInt(); }

// Enter in the list moves on to the next control, as Tab does.
bool LanguageDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    auto key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      focusNextChild();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zq
