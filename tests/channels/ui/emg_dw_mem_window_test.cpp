// The emergency, dual-watch and memory-channel windows: their lists, the copy
// they edit and the Save that writes it back.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "channels/ui/emg_dw_mem_window_helpers.h"
#include "channels/ui/frm_dw.h"
#include "channels/ui/frm_emg.h"
#include "channels/ui/frm_mem.h"

namespace zq {
namespace {

using testing::Entries;
using testing::Pick;

class SpecialWindowsTest : public testing::SpecialWindowFixture {
 protected:
  QComboBox* List(QWidget* window, const char* englishLabel) {
    return window->findChild<QComboBox*>(QString::fromUtf8(englishLabel));
  }
  void Click(QWidget* window, const char* button) {
    auto* b = window->findChild<QPushButton*>(button);
    ASSERT_NE(b, nullptr);
    b->click();
    testing::DeleteClosedWindows();
  }
};

TEST_F(SpecialWindowsTest, ChoicesStayInTheCopyUntilSaveWritesThemAndClosesTheWindow) {
  SetChannels({kCB, 2}, {3, 7, 12});
  auto* window = Open<frm_emg>("N3");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Emg Channel Setting"));
  QComboBox* pl = List(window, "PL Emg Channel 1");
  EXPECT_EQ(Entries(pl), (QStringList{"3", "7", "12"}));
  Pick(pl, "7");
  Pick(List(window, "PL Emg Channel 2 Work Mode"), "CW");
  EXPECT_EQ(app().config.EmergencySettings[1], 0);
  EXPECT_EQ(app().config.EmergencySettings[19], 0);

  Click(window, "cmdSave");
  EXPECT_EQ(app().config.EmergencySettings[1], 6);
  EXPECT_EQ(app().config.EmergencySettings[19], 4);
  EXPECT_EQ(main->OpenEditorWindow("N3"), nullptr);
}

TEST_F(SpecialWindowsTest, ClosingWithoutSaveLeavesTheConfigurationAsItWas) {
  SetChannels({kCB, 1}, {9});
  RadioConfig before = app().config;
  auto* window = Open<frm_dw>("N4");
  ASSERT_NE(window, nullptr);
  Pick(List(window, "Eu DW Channel"), "9");
  Pick(List(window, "Eu DW Channel  Work Mode"), "USB");
  Click(window, "cmdClose");
  EXPECT_EQ(main->OpenEditorWindow("N4"), nullptr);
  EXPECT_TRUE(app().config == before);

  window = Open<frm_dw>("N4");
  Pick(List(window, "HF DW Channel Work Mode"), "LSB");
  main->CloseAllEditors();  // as New, Open and a read do
  testing::DeleteClosedWindows();
  EXPECT_TRUE(app().config == before);
}

TEST_F(SpecialWindowsTest, APlanWithoutChannelsShowsAnEmptyListAndKeepsItsValue) {
  SetChannels({kCB, 4}, {});
  app().config.DualWatchSettings[3] = 17;
  auto* window = Open<frm_dw>("N4");
  QComboBox* ec = List(window, "EC DW Channel");
  EXPECT_EQ(ec->count(), 0);
  Click(window, "cmdSave");
  EXPECT_EQ(app().config.DualWatchSettings[3], 17);
}

TEST_F(SpecialWindowsTest, TheDePlanOffersChannelsUpToEighty) {
  SetChannels({kCB, 3}, {80, 40, 41});
  auto* window = Open<frm_dw>("N4");
  EXPECT_EQ(Entries(List(window, "DE DW Channel")), (QStringList{"40", "41", "80"}));
}

TEST_F(SpecialWindowsTest, ChangingTheBandRefillsItsChannelListAndTheChannelFollowsIt) {
  RadioConfig& cfg = app().config;
  cfg.Options.GroupName({kHAM, 2}) = u"XY";
  SetChannels({kHAM, 1}, {4});
  SetChannels({kHAM, 2}, {11, 6});
  auto* window = Open<frm_emg>("N3");
  QComboBox* band = List(window, "HAM Emg Band 2");
  QComboBox* channel = List(window, "HAM Emg Channel 2");
  EXPECT_EQ(band->currentText(), QStringLiteral("A"));
  EXPECT_EQ(Entries(channel), (QStringList{"4"}));

  Pick(band, "XY");
  EXPECT_EQ(Entries(channel), (QStringList{"6", "11"}));
  EXPECT_EQ(channel->currentText(), QStringLiteral("6"));
  Pick(channel, "11");
  Click(window, "cmdSave");
  EXPECT_EQ(cfg.EmergencySettings[31], 1);
  EXPECT_EQ(cfg.EmergencySettings[33], 10);
  EXPECT_EQ(cfg.EmergencySettings[30], 0);  // band 1 untouched
}

TEST_F(SpecialWindowsTest, UkRowsShowTheUUkValuesAgainstTheUkGroupAndCannotBeChanged) {
  SetChannels({kCB, 5}, {9, 2});
  SetChannels({kCB, 7}, {9});
  auto* window = Open<frm_emg>("N3");
  QComboBox* uk = List(window, "UK Emg Channel 1");
  ASSERT_NE(uk, nullptr);
  EXPECT_FALSE(uk->isEnabled());
  EXPECT_EQ(Entries(uk), (QStringList{"9"}));
  Pick(List(window, "U/UK Emg Channel 1"), "9");
  EXPECT_EQ(uk->currentText(), QStringLiteral("9"));
  EXPECT_FALSE(List(window, "UK Emg Channel 2 Work Mode")->isEnabled());
}

TEST_F(SpecialWindowsTest, MemoryWindowOffersTheMemorySlotsAndStatesOfEachPlan) {
  app().config.Special(18).Enabled = 1;  // PL's set: M2
  app().config.Special(20).Enabled = 1;  // M4
  app().config.MemoryChannelSettings[1] = 3;
  auto* window = Open<frm_MEM>("N6");
  QComboBox* pl = List(window, "PL MEM Channel");
  EXPECT_EQ(Entries(pl), (QStringList{"M2", "M4"}));
  EXPECT_EQ(pl->currentText(), QStringLiteral("M4"));
  QComboBox* eu = List(window, "Eu MEM Channel");  // a plan without memories says so
  EXPECT_EQ(Entries(eu), QStringList{QStringLiteral("no CB memories")});
  EXPECT_FALSE(eu->isEnabled());
  Pick(pl, "M2");
  Pick(List(window, "HAM MEM Channel State"), "On");
  Click(window, "cmdSave");
  EXPECT_EQ(app().config.MemoryChannelSettings[1], 1);
  EXPECT_EQ(app().config.MemoryChannelSettings[15], 1);
}

TEST_F(SpecialWindowsTest, ALanguageChangeRelabelsTheOpenWindow) {
  auto* window = Open<frm_dw>("N4");
  app().settings.language = kChinese;
  main->Change_Language();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("双守信道设置"));
  auto* label = window->findChild<QLabel*>(QStringLiteral("label:IN DW Channel Work Mode"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("IN 双守信道工作模式"));
  EXPECT_EQ(List(window, "HF DW Channel Work Mode")->itemText(0), QStringLiteral("FM"));
  QStringList titles;
  for (auto* frame : window->findChildren<QGroupBox*>()) titles << frame->title();
  EXPECT_TRUE(titles.contains(QStringLiteral("HAM 频段")));
  EXPECT_EQ(window->findChild<QPushButton*>("cmdSave")->text(), QStringLiteral("保存"));
}

}  // namespace
}  // namespace zq
