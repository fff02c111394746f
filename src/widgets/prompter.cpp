#include "widgets/prompter.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include "widgets/ui_text.h"

namespace zq {
namespace {

Prompter* g_prompter = nullptr;

QMessageBox::Icon BoxIcon(Icon icon) {
  switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

// "Data File (*.dat)" gives "dat": a name typed without its ending gets the filter's.
QString SuffixOfFilter(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
  QRegularExpressionMatch match = pattern.match(filter);
  return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

Answer MessageBoxPrompter::Ask(QWidget* parent, const QString& text, Buttons buttons, Icon icon) {
  // Warnings carry the title "Warning"; every other box the program's name.
  QString title = icon == Icon::Warning ? QText(Txt::Warning, language_) : QStringLiteral("ZQ4071");
  QMessageBox box(BoxIcon(icon), title, text, QMessageBox::NoButton, parent);
  auto add = [&](Txt caption, QMessageBox::ButtonRole role, Answer answer) {
    QPushButton* b = box.addButton(QText(caption, language_), role);
    b->setProperty("answer", static_cast<int>(answer));
    return b;
  };
  switch (buttons) {
    case Buttons::Ok: box.setDefaultButton(add(Txt::OkButton, QMessageBox::AcceptRole, Answer::Ok)); break;
    case Buttons::OkCancel:
      box.setDefaultButton(add(Txt::OkButton, QMessageBox::AcceptRole, Answer::Ok));
      box.setEscapeButton(add(Txt::CancelButton, QMessageBox::RejectRole, Answer::Cancel));
      break;
    case Buttons::YesNo:
      box.setDefaultButton(add(Txt::YesButton, QMessageBox::YesRole, Answer::Yes));
      box.setEscapeButton(add(Txt::NoButton, QMessageBox::NoRole, Answer::No));
      break;
    case Buttons::YesNoCancel:
      box.setDefaultButton(add(Txt::YesButton, QMessageBox::YesRole, Answer::Yes));
      add(Txt::NoButton, QMessageBox::NoRole, Answer::No);
      box.setEscapeButton(add(Txt::CancelButton, QMessageBox::RejectRole, Answer::Cancel));
      break;
  }
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (!clicked) return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  return static_cast<Answer>(clicked->property("answer").toInt());
}

QString MessageBoxPrompter::ChooseFileToOpen(QWidget* parent, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString MessageBoxPrompter::ChooseFileInFolder(QWidget* parent, const QString& folder, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
}

QString MessageBoxPrompter::ChooseFolder(QWidget* parent, const QString& folder) {
  return QFileDialog::getExistingDirectory(parent, QString(), folder);
}

QString MessageBoxPrompter::ChooseFileWithOption(QWidget* parent, const QString& folder, const QString& filter,
                                                 const QString& option, bool& ticked) {
  QFileDialog dialog(parent, QString(), folder, filter);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);  // a platform dialog takes no check box
  auto* box = new QCheckBox(option, &dialog);
  box->setChecked(ticked);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
    grid->addWidget(box, grid->rowCount(), 0, 1, -1);
  else
    dialog.layout()->addWidget(box);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  ticked = box->isChecked();
  return dialog.selectedFiles().first();
}

QString MessageBoxPrompter::ChooseFileToSave(QWidget* parent, const QString& preset, const QString& filter) {
  QFileDialog dialog(parent, QString(), preset, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the program asks its own questions
  dialog.setDefaultSuffix(SuffixOfFilter(filter));
  dialog.selectFile(preset);
  return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                 : QString();
}

Prompter& CurrentPrompter() {
  static int english = kEnglish;
  static MessageBoxPrompter fallback(english);
  return g_prompter ? *g_prompter : fallback;
}

void SetPrompter(Prompter* prompter) { g_prompter = prompter; }

}  // namespace zq
