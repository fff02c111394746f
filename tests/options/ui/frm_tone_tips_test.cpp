// The roger-beep window: the presets it shows, the guards that keep one
// defined, the reference clean-up, and the preview heard through a recorder.
#include "options/ui/frm_tone_tips.h"

#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>

#include "channels/config_fixture.h"
#include "config/public_params.h"
#include "options/roger_beep_rules.h"
#include "options/ui/frm_opt_features.h"
#include "options/ui/option_window_helpers.h"
#include "shell/ui/editor_table.h"
#include "support/roger_presets.h"

namespace zq {
namespace {

using testing::Child;
using testing::Choose;
using testing::EntriesOf;
using testing::WaitFor;
using Call = testing::RecordingToneOutput::Call;

using testing::Preset;

class RogerBeepWindowTest : public testing::MainWindowFixture {
 protected:
  FrmToneTips* Open(int preset = 1) {
    window = static_cast<FrmToneTips*>(main->OpenEditor(kRogerBeepEditorKey));
    Child<QTabBar>(window, "rogerTabs")->setCurrentIndex(preset - 1);
    return window;
  }
  QComboBox* List(const QString& name) { return Child<QComboBox>(window, name); }
  QPushButton* Button(const QString& name) { return Child<QPushButton>(window, name); }
  RogerBeepPreset& Table(int n) { return app().config.RogerBeepTable[n - 1]; }
  // Plays the shown preset to its end.
  void PlayThrough() {
    Button("cmdPlay")->click();
    ASSERT_TRUE(WaitFor([&] { return Button("cmdPlay")->isEnabled(); }, 8000));
  }

  testing::RecordingToneOutput sound;
  FrmToneTips* window = nullptr;
};

TEST_F(RogerBeepWindowTest, ThreeRoundsOfOneToneWithTheirPauses) {
  Table(1) = Preset({{100, 20}}, 3, 50);
  Open(1);
  Button("cmdPlay")->click();
  EXPECT_FALSE(Button("cmdPlay")->isEnabled());
  ASSERT_TRUE(WaitFor([&] { return Button("cmdPlay")->isEnabled(); }, 8000));
  ASSERT_EQ(sound.calls,
            (std::vector<Call>{
                {'T', 1000, 200}, {'Q', 0, 500}, {'T', 1000, 200}, {'Q', 0, 500}, {'T', 1000, 200}, {'Q', 0, 500}}));
  // Each call comes after the one before has had its time.
  for (std::size_t k = 1; k < sound.calls.size(); ++k)
    EXPECT_GE(sound.calls[k].at - sound.calls[k - 1].at, sound.calls[k - 1].ms - 15) << k;
}

TEST_F(RogerBeepWindowTest, SilentStepsKeepQuietForTheirTimeAndEmptyStepsAreSkipped) {
  Table(1) = Preset({{80, 10}, {0, 30}, {120, 0}, {100, 10}}, 1, 0);
  Open(1);
  PlayThrough();
  EXPECT_EQ(sound.calls, (std::vector<Call>{{'T', 800, 100}, {'Q', 0, 300}, {'T', 1000, 100}}));
  EXPECT_GE(sound.calls[2].at - sound.calls[1].at, 285);
}

TEST_F(RogerBeepWindowTest, TenMillisecondsPlayAndAPresetWithoutDurationsPlaysNothing) {
  Table(1) = Preset({{100, 1}}, 1, 0);
  Table(2) = Preset({{100, 0}, {150, 0}}, 2, 10);
  Open(1);
  PlayThrough();
  EXPECT_EQ(sound.calls, (std::vector<Call>{{'T', 1000, 10}}));
  sound.calls.clear();
  Child<QTabBar>(window, "rogerTabs")->setCurrentIndex(1);
  Button("cmdPlay")->click();
  EXPECT_TRUE(Button("cmdPlay")->isEnabled());
  QApplication::processEvents();
  EXPECT_TRUE(sound.calls.empty());
}

TEST_F(RogerBeepWindowTest, StopEndsThePreviewAtOnceAndSoDoesClosing) {
  Table(1) = Preset({{100, 50}, {110, 50}, {120, 50}, {130, 50}}, 2, 0);
  Open(1);
  Button("cmdPlay")->click();
  ASSERT_TRUE(WaitFor([&] { return sound.calls.size() >= 2; }));
  Button("cmdStop")->click();  // the window took the click while the preview ran
  EXPECT_EQ(sound.calls.back().what, 'S');
  EXPECT_TRUE(Button("cmdPlay")->isEnabled());
  const std::size_t heard = sound.calls.size();
  WaitFor([] { return false; }, 700);
  EXPECT_EQ(sound.calls.size(), heard);

  Button("cmdPlay")->click();
  ASSERT_TRUE(WaitFor([&] { return sound.calls.size() > heard; }));
  qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
  QApplication::processEvents();
  EXPECT_EQ(sound.calls.back().what, 'S');
  const std::size_t afterClose = sound.calls.size();
  WaitFor([] { return false; }, 700);
  EXPECT_EQ(sound.calls.size(), afterClose);
}

TEST_F(RogerBeepWindowTest, TheLastDefinedPresetCannotBeSwitchedOffOrEmptied) {
  for (int n = 1; n <= kRogerPresets; ++n) Table(n) = RogerBeepPreset{};
  Table(2) = Preset({{100, 20}}, 1, 0);
  const RadioConfig before = app().config;
  Open(2);
  Choose(List("RecycleTimes"), "Off");
  EXPECT_EQ(List("RecycleTimes")->currentText(), "1");
  Choose(List("ToneLong_1"), "0");
  EXPECT_EQ(List("ToneLong_1")->currentText(), "200");
  EXPECT_EQ(app().config, before);

  Choose(List("ToneLong_2"), "50");  // a second step with a length: now the first may go
  Choose(List("ToneLong_1"), "0");
  EXPECT_EQ(StepDuration(Table(2), 1), 0);
  EXPECT_EQ(StepDuration(Table(2), 2), 5);
}

TEST_F(RogerBeepWindowTest, EmptyingAPresetResetsItsReferencesAndTheOpenListsForgetIt) {
  app().identity.hfCapable = true;
  RadioConfig& cfg = app().config;
  ASSERT_TRUE(IsRogerPresetDefined(cfg, 4));
  testing::AddChannel(cfg, {kCB, 2}, 1).Roger = 4;
  for (const Band band : kBands) cfg.Options.PublicParams(band, kPublicRoger) = 4;
  main->CloseAllEditors();
  auto* options = static_cast<FrmOptFeatures*>(main->OpenEditor(kOptionEditorKey));
  EXPECT_TRUE(EntriesOf(Child<QComboBox>(options, "PublicParams_1_6")).contains("4"));
  Open(4);
  for (int step = 1; step <= kRogerSteps; ++step)
    if (StepDuration(Table(4), step) > 0) Choose(List(QStringLiteral("ToneLong_%1").arg(step)), "0");

  EXPECT_FALSE(IsRogerPresetDefined(cfg, 4));
  EXPECT_EQ(cfg.Channel({kCB, 2}, 1).Roger, 0);
  for (const Band band : kBands) EXPECT_EQ(cfg.Options.PublicParams(band, kPublicRoger), 0);
  for (const char* list : {"PublicParams_0_6", "PublicParams_1_6", "PublicParams_2_6"}) {
    EXPECT_FALSE(EntriesOf(Child<QComboBox>(options, list)).contains("4")) << list;
    EXPECT_EQ(Child<QComboBox>(options, list)->currentText(), "OFF");
  }
}

TEST_F(RogerBeepWindowTest, TabsShowTheirPresetAndEveryChoiceIsStored) {
  Table(3) = Preset({{20, 7}, {255, 255}}, 10, 255);
  Open(3);
  EXPECT_EQ(Child<QTabBar>(window, "rogerTabs")->tabText(2), "RB Tone 3");
  EXPECT_EQ(List("Frequency_1")->currentText(), "None");  // below 400 Hz
  EXPECT_EQ(List("ToneLong_1")->currentText(), "70");
  EXPECT_EQ(List("Frequency_2")->currentText(), "2550");
  EXPECT_EQ(List("RecycleTimes")->currentText(), "10");
  EXPECT_EQ(List("InterTime")->currentText(), "2550");
  Choose(List("Frequency_1"), "400");
  EXPECT_EQ(StepFrequency(Table(3), 1), 40);
  Choose(List("InterTime"), "30");
  EXPECT_EQ(Table(3)[kInterTimeIndex], 3);
  Choose(List("RecycleTimes"), "2");
  EXPECT_EQ(Table(3)[kRecycleTimesIndex], 2);

  app().settings.language = kChinese;
  window->ApplyLanguage();
  EXPECT_EQ(window->windowTitle(), "RB音");
  EXPECT_EQ(Child<QTabBar>(window, "rogerTabs")->tabText(7), "RB音 8");
  Child<QTabBar>(window, "rogerTabs")->setCurrentIndex(0);
  EXPECT_EQ(List("Frequency_14")->currentText(), "无");
  EXPECT_EQ(List("RecycleTimes")->itemText(0), "关");
}

}  // namespace
}  // namespace zq
