#pragma once
// The language window: pick English or, on a Chinese system, Chinese.
#include <QDialog>

class QComboBox;

namespace zq {

class LanguageDialog : public QDialog {
  Q_OBJECT
 public:
  // `language` is the current language; `systemLanguage` decides whether Chinese is offered.
  LanguageDialog(int language, int systemLanguage, QWidget* parent = nullptr);
  // The language chosen (valid after the dialog was accepted).
  int chosenLanguage() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QComboBox* list_;
};

}  // namespace zq
