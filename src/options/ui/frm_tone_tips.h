#pragma once
// FrmToneTips: the eight roger-beep presets, one per tab. Each preset is up
// to fourteen tones played a number of times with a pause after each round;
// channels and the bands' common parameters refer to presets by number, and
// at least one preset stays defined. "Play" previews the shown preset.
#include <vector>

#include "config/radio_config.h"
#include "widgets/editor_window.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;

namespace zq {

class EditorHost;
class RogerDiagram;
class RogerPlayer;

class FrmToneTips : public EditorWindow {
  Q_OBJECT
 public:
  explicit FrmToneTips(EditorHost& host);
  ~FrmToneTips() override;

  void ApplyLanguage() override;
  void Reload() override;

  // The preset the selected tab shows, 1-8.
  int shownPreset() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct StepControls {
    QLabel* caption;
    QComboBox* frequency;
    QComboBox* duration;
  };

  RadioConfig& cfg();
  const RogerBeepPreset& preset();
  int language() const;
  void BuildWindow();
  void FillLists();
  void SetCaptions();
  void ShowPreset();

  void OnRecycleChosen();
  void OnInterTimeChosen();
  void OnFrequencyChosen(int step);
  void OnDurationChosen(int step);
  // A change that decides which presets are defined: stored and followed by
  // the reference clean-up, or refused and the list shows the stored value again.
  void AfterDefiningChange(bool stored, QComboBox* combo, int storedValue);
  void Play();
  void StopPreview();

  EditorHost& host_;
  QTabBar* tabs_ = nullptr;
  QLabel* recycleLabel_ = nullptr;
  QComboBox* recycle_ = nullptr;
  QLabel* interTimeLabel_ = nullptr;
  QComboBox* interTime_ = nullptr;
  QLabel* frequencyHeader_ = nullptr;
  QLabel* durationHeader_ = nullptr;
  std::vector<StepControls> steps_;
  RogerDiagram* diagram_ = nullptr;
  QPushButton* play_ = nullptr;
  QPushButton* stop_ = nullptr;
  RogerPlayer* player_ = nullptr;
};

}  // namespace zq
