#pragma once
// Message boxes of the program. Every question and message goes through the
// current Prompter, so tests can answer them without a person at the screen.
#include <QString>

class QWidget;

namespace zq {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Question, Error };
enum class Answer { Ok, Cancel, Yes, No };

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual Answer Ask(QWidget* parent, const QString& text, Buttons buttons, Icon icon) = 0;
  // File dialogs; an empty result means the user cancelled.
  virtual QString ChooseFileToOpen(QWidget* parent, const QString& filter) = 0;
  virtual QString ChooseFileToSave(QWidget* parent, const QString& preset, const QString& filter) = 0;
  // The open-file dialog started in the given folder.
  virtual QString ChooseFileInFolder(QWidget* parent, const QString& folder, const QString& filter) = 0;
  // A folder (the hand-over sheets'), starting from `folder`.
  virtual QString ChooseFolder(QWidget* parent, const QString& folder) = 0;
  // The open-file dialog in `folder` with one check box captioned `option`; `ticked` is
  // the box's state when the dialog opens and, once a file is chosen, when it closed.
  virtual QString ChooseFileWithOption(QWidget* parent, const QString& folder, const QString& filter,
                                       const QString& option, bool& ticked) = 0;
};

// Shows real message boxes and file dialogs, with captions in the current language.
class MessageBoxPrompter : public Prompter {
 public:
  explicit MessageBoxPrompter(const int& language) : language_(language) {}
  Answer Ask(QWidget* parent, const QString& text, Buttons buttons, Icon icon) override;
  QString ChooseFileToOpen(QWidget* parent, const QString& filter) override;
  QString ChooseFileToSave(QWidget* parent, const QString& preset, const QString& filter) override;
  QString ChooseFileInFolder(QWidget* parent, const QString& folder, const QString& filter) override;
  QString ChooseFolder(QWidget* parent, const QString& folder) override;
  QString ChooseFileWithOption(QWidget* parent, const QString& folder, const QString& filter, const QString& option,
                               bool& ticked) override;

 private:
  const int& language_;
};

// The prompter every window uses; tests replace it.
Prompter& CurrentPrompter();
void SetPrompter(Prompter* prompter);

inline void Tell(QWidget* parent, const QString& text, Icon icon = Icon::None) {
  CurrentPrompter().Ask(parent, text, Buttons::Ok, icon);
}

}  // namespace zq
