#include "channels/emg_dw_mem_choices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "channels/config_fixture.h"

namespace zq {
namespace {

using testing::AddChannel;
using testing::DefaultConfig;

constexpr SpecialWindow kWindows[] = {SpecialWindow::Emergency, SpecialWindow::DualWatch, SpecialWindow::MemoryChannel};

const SpecialField& FieldNamed(SpecialWindow window, const std::string& englishLabel) {
  for (const SpecialField& f : SpecialWindowOf(window).fields)
    if (FieldLabel(f, kEnglish) == englishLabel) return f;
  throw std::invalid_argument("no field " + englishLabel);
}

std::vector<std::string> Texts(const Choices& choices) {
  std::vector<std::string> texts;
  for (const Choice& c : choices) texts.push_back(c.text);
  return texts;
}

TEST(SpecialFields, EveryIntegerOfEachRecordHasExactlyOneEditableField) {
  RadioConfig cfg;
  for (SpecialWindow window : kWindows) {
    const SpecialWindowDef& def = SpecialWindowOf(window);
    ASSERT_EQ(static_cast<int>(SettingsOf(cfg, window).size()), def.settingCount);
    std::map<int, int> editors;
    std::map<std::string, int> labels;
    for (const SpecialField& f : def.fields) {
      ASSERT_GE(f.setting, 0);
      ASSERT_LT(f.setting, def.settingCount);
      editors[f.setting] += f.editable ? 1 : 0;
      ++labels[FieldLabel(f, kEnglish)];
      if (f.kind == SpecialFieldKind::BandChannel) {
        auto band = std::find_if(def.fields.begin(), def.fields.end(),
                                 [&](const SpecialField& b) { return b.setting == f.bandSetting; });
        ASSERT_NE(band, def.fields.end());
        EXPECT_EQ(band->kind, SpecialFieldKind::BandGroup);
        EXPECT_EQ(band->band, f.band);
      }
    }
    for (int k = 0; k < def.settingCount; ++k) EXPECT_EQ(editors[k], 1) << def.handlerPrefix << " integer " << k;
    for (const auto& [label, count] : labels) EXPECT_EQ(count, 1) << label;
  }
}

TEST(SpecialFields, LabelsReadAsTheRadioNamesThem) {
  EXPECT_EQ(FieldNamed(SpecialWindow::Emergency, "PL Emg Channel 1").setting, 1);
  EXPECT_EQ(FieldNamed(SpecialWindow::Emergency, "IN Emg Channel 2 Work Mode").setting, 23);
  EXPECT_EQ(FieldNamed(SpecialWindow::Emergency, "HAM Emg Band 2").setting, 31);
  EXPECT_EQ(FieldNamed(SpecialWindow::DualWatch, "Eu DW Channel  Work Mode").setting, 6);
  EXPECT_EQ(FieldNamed(SpecialWindow::DualWatch, "U/UK Channel Work Mode").setting, 10);
  EXPECT_EQ(FieldNamed(SpecialWindow::DualWatch, "HF DW Channel").setting, 13);
  EXPECT_EQ(FieldNamed(SpecialWindow::MemoryChannel, "EC MEM Channel State").setting, 9);
  EXPECT_EQ(FieldNamed(SpecialWindow::MemoryChannel, "HAM MEM Channel").setting, 14);
  EXPECT_EQ(FieldLabel(FieldNamed(SpecialWindow::Emergency, "DE Emg Channel 1"), kChinese), "DE 紧急信道 1");
}

TEST(SpecialChoices, CbChannelListsOfferTheChannelsInUseOfThePlanInOrder) {
  RadioConfig cfg;
  for (int number : {9, 3, 7}) AddChannel(cfg, {kCB, 2}, number);
  cfg.Channel({kCB, 2}, 3).Enabled = 0;  // channel 7 not in use
  const SpecialField& pl = FieldNamed(SpecialWindow::Emergency, "PL Emg Channel 1");
  Choices choices = FieldChoices(cfg, pl, cfg.EmergencySettings, kEnglish);
  EXPECT_EQ(choices, (Choices{{"3", 2}, {"9", 8}}));

  std::vector<int16_t> copy(cfg.EmergencySettings.begin(), cfg.EmergencySettings.end());
  ChooseFieldValue(cfg, SpecialWindow::Emergency, pl, choices[1].value, copy);
  EXPECT_EQ(copy[1], 8);
  EXPECT_EQ(cfg.EmergencySettings[1], 0);  // only the copy changes
}

TEST(SpecialChoices, TheDePlanOffersChannelsUpToEighty) {
  RadioConfig cfg;
  for (int number : {80, 41, 1}) AddChannel(cfg, {kCB, 3}, number);
  const SpecialField& de = FieldNamed(SpecialWindow::DualWatch, "DE DW Channel");
  EXPECT_EQ(Texts(FieldChoices(cfg, de, cfg.DualWatchSettings, kEnglish)), (std::vector<std::string>{"1", "41", "80"}));
}

TEST(SpecialChoices, APlanWithoutChannelsOffersNothingAndItsValueStays) {
  RadioConfig cfg;
  cfg.DualWatchSettings[3] = 12;
  const SpecialField& ec = FieldNamed(SpecialWindow::DualWatch, "EC DW Channel");
  Choices choices = FieldChoices(cfg, ec, cfg.DualWatchSettings, kEnglish);
  EXPECT_TRUE(choices.empty());
  EXPECT_EQ(ShownChoice(choices, cfg.DualWatchSettings[3]), -1);
  EXPECT_EQ(cfg.DualWatchSettings[3], 12);
}

TEST(SpecialChoices, BandFieldsListTheGroupNamesAndChannelFieldsFollowTheShownGroup) {
  RadioConfig cfg = DefaultConfig();
  cfg.Options.GroupName({kHF, 2}) = u"";
  AddChannel(cfg, {kHF, 1}, 5);
  AddChannel(cfg, {kHF, 3}, 12);
  AddChannel(cfg, {kHF, 3}, 2);
  const SpecialField& band = FieldNamed(SpecialWindow::DualWatch, "HF DW Band");
  const SpecialField& channel = FieldNamed(SpecialWindow::DualWatch, "HF DW Channel");
  std::vector<int16_t> copy(cfg.DualWatchSettings.begin(), cfg.DualWatchSettings.end());

  Choices groups = FieldChoices(cfg, band, copy, kEnglish);
  ASSERT_EQ(groups.size(), 15u);
  EXPECT_EQ(groups[0], (Choice{"A", 0}));
  EXPECT_EQ(groups[1], (Choice{"2", 1}));  // an unnamed group shows its number
  EXPECT_EQ(Texts(FieldChoices(cfg, channel, copy, kEnglish)), (std::vector<std::string>{"5"}));

  copy[12] = 40;  // a band outside the list shows, and lists, the first group
  EXPECT_EQ(Texts(FieldChoices(cfg, channel, copy, kEnglish)), (std::vector<std::string>{"5"}));
  copy[12] = 2;
  EXPECT_EQ(Texts(FieldChoices(cfg, channel, copy, kEnglish)), (std::vector<std::string>{"2", "12"}));
}

TEST(SpecialChoices, PickingABandMovesItsChannelOntoAChannelOfTheNewGroup) {
  RadioConfig cfg = DefaultConfig();
  AddChannel(cfg, {kHAM, 1}, 5);
  AddChannel(cfg, {kHAM, 2}, 3);
  AddChannel(cfg, {kHAM, 2}, 5);
  const SpecialField& band1 = FieldNamed(SpecialWindow::Emergency, "HAM Emg Band 1");
  std::vector<int16_t> copy(36, 0);
  copy[32] = 4;  // channel 5 of group 1
  copy[33] = 4;  // channel 2 follows band 2, which stays on group 1

  ChooseFieldValue(cfg, SpecialWindow::Emergency, band1, 1, copy);  // group 2 also has channel 5
  EXPECT_EQ(copy[30], 1);
  EXPECT_EQ(copy[32], 4);

  ChooseFieldValue(cfg, SpecialWindow::Emergency, band1, 2, copy);  // group 3 has no channel
  EXPECT_EQ(copy[32], 4);

  copy[32] = 30;
  ChooseFieldValue(cfg, SpecialWindow::Emergency, band1, 1, copy);
  EXPECT_EQ(copy[32], 2);  // not in group 2: its first channel, 3
  EXPECT_EQ(copy[33], 4);
}

TEST(SpecialChoices, MemoryFieldsOfferTheMemorySlotsInUse) {
  RadioConfig cfg;
  cfg.Special(65).Enabled = 1;  // first slot of the U/UK set
  cfg.Special(72).Enabled = 1;
  cfg.Special(49).Enabled = 1;  // EC's set
  const SpecialField& uuk = FieldNamed(SpecialWindow::MemoryChannel, "U/UK MEM Channel");
  EXPECT_EQ(FieldChoices(cfg, uuk, cfg.MemoryChannelSettings, kEnglish), (Choices{{"M1", 0}, {"M8", 7}}));

  AddChannel(cfg, {kHF, MemGroup(kHF)}, 99);
  AddChannel(cfg, {kHF, MemGroup(kHF)}, 4);
  const SpecialField& hf = FieldNamed(SpecialWindow::MemoryChannel, "HF MEM Channel");
  EXPECT_EQ(FieldChoices(cfg, hf, cfg.MemoryChannelSettings, kEnglish), (Choices{{"M4", 3}, {"M99", 98}}));
}

TEST(SpecialChoices, WorkModesHaveNoPaAndStatesAreOffOn) {
  RadioConfig cfg;
  const SpecialField& mode = FieldNamed(SpecialWindow::DualWatch, "HAM DW Channel Work Mode");
  EXPECT_EQ(Texts(FieldChoices(cfg, mode, cfg.DualWatchSettings, kEnglish)),
            (std::vector<std::string>{"FM", "AM", "USB", "LSB", "CW"}));
  const SpecialField& state = FieldNamed(SpecialWindow::MemoryChannel, "HF MEM Channel State");
  EXPECT_EQ(FieldChoices(cfg, state, cfg.MemoryChannelSettings, kChinese), (Choices{{"关", 0}, {"开", 1}}));
}

TEST(SpecialChoices, UkRowsShowTheUkGroupAndStoreNothing) {
  RadioConfig cfg;
  AddChannel(cfg, {kCB, 7}, 4);
  AddChannel(cfg, {kCB, 5}, 9);
  const SpecialField& uk = FieldNamed(SpecialWindow::Emergency, "UK Emg Channel 1");
  EXPECT_FALSE(uk.editable);
  EXPECT_EQ(Texts(FieldChoices(cfg, uk, cfg.EmergencySettings, kEnglish)), (std::vector<std::string>{"4"}));
  std::vector<int16_t> copy(36, 0);
  ChooseFieldValue(cfg, SpecialWindow::Emergency, uk, 3, copy);
  EXPECT_EQ(copy, std::vector<int16_t>(36, 0));
}

}  // namespace
}  // namespace zq
