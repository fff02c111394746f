#pragma once
// A Prompter for window tests: answers questions from a script and records
// every message and question the program showed.
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "widgets/prompter.h"

namespace zq::testing {

class ScriptedPrompter : public Prompter {
 public:
  ScriptedPrompter() { SetPrompter(this); }
  ~ScriptedPrompter() override { SetPrompter(nullptr); }

  // Answers given in order; when the script runs out, Ok/Yes... is not assumed:
  // the default answer is used (Ok for messages, Cancel or No for questions).
  void Answer(zq::Answer a) { answers_.push_back(a); }
  void OpenFile(const QString& path) { openFiles_.push_back(path); }
  // The next file chosen in a dialog with a check box, and how the box is left.
  void OpenFileWithOption(const QString& path, bool ticked) {
    openFiles_.push_back(path);
    ticks_.push_back(ticked);
  }
  void SaveFile(const QString& path) { saveFiles_.push_back(path); }
  void Folder(const QString& path) { folders_.push_back(path); }

  zq::Answer Ask(QWidget*, const QString& text, Buttons buttons, Icon) override {
    shown.push_back(text);
    if (!answers_.empty() && buttons != Buttons::Ok) {
      zq::Answer a = answers_.front();
      answers_.pop_front();
      return a;
    }
    switch (buttons) {
      case Buttons::Ok: return zq::Answer::Ok;
      case Buttons::YesNo: return zq::Answer::No;
      default: return zq::Answer::Cancel;
    }
  }
  QString ChooseFileToOpen(QWidget*, const QString& filter) override {
    filters.push_back(filter);
    return Take(openFiles_);
  }
  QString ChooseFileInFolder(QWidget*, const QString& folder, const QString& filter) override {
    filters.push_back(filter);
    openFolders.push_back(folder);
    return Take(openFiles_);
  }
  QString ChooseFolder(QWidget*, const QString& folder) override {
    openFolders.push_back(folder);
    return Take(folders_);
  }
  QString ChooseFileWithOption(QWidget*, const QString& folder, const QString& filter, const QString& option,
                               bool& ticked) override {
    filters.push_back(filter);
    openFolders.push_back(folder);
    options.push_back(option);
    optionsOffered.push_back(ticked);
    QString path = Take(openFiles_);
    if (!path.isEmpty() && !ticks_.empty()) {
      ticked = ticks_.front();
      ticks_.pop_front();
    }
    return path;
  }
  QString ChooseFileToSave(QWidget*, const QString& preset, const QString& filter) override {
    filters.push_back(filter);
    savePresets.push_back(preset);
    return Take(saveFiles_);
  }

  // Every text shown, in order.
  QStringList shown;
  QStringList filters;
  QStringList savePresets;
  QStringList openFolders;
  QStringList options;               // check-box captions of the file dialogs
  std::vector<bool> optionsOffered;  // each box's state as the dialog opened
  int unansweredQuestions() const { return static_cast<int>(answers_.size()); }

 private:
  static QString Take(std::deque<QString>& queue) {
    if (queue.empty()) return QString();
    QString s = queue.front();
    queue.pop_front();
    return s;
  }
  std::deque<zq::Answer> answers_;
  std::deque<QString> openFiles_;
  std::deque<QString> saveFiles_;
  std::deque<QString> folders_;
  std::deque<bool> ticks_;
};

}  // namespace zq::testing
