// The option-features window's tables: entries in both languages, stored
// values, ItemIds, and that every control reaches a field that holds its values.
#include "options/option_items.h"

#include <gtest/gtest.h>

#include <set>

#include "channels/config_fixture.h"
#include "options/dtmf_lists.h"
#include "options/roger_lists.h"

namespace zq {
namespace {

using testing::DefaultConfig;

const OptionControl& ControlOf(const ValueRef& value) {
  for (const OptionControl& c : OptionControls())
    if (SameValue(c.value, value)) return c;
  throw std::logic_error("no control for " + ValueName(value));
}

ChoiceEntries Entries(Opt field, const ListContext& context = {}) {
  const OptionControl& c = ControlOf(Field(field));
  return EntriesOf(c.list, c.pieces, context);
}

ListContext Chinese() { return {.language = kChinese}; }

TEST(OptionLists, EntriesAreWrittenAsTheRadioShowsThem) {
  ChoiceEntries tot = Entries(Opt::Tot);
  ASSERT_EQ(tot.size(), 61);
  EXPECT_EQ(tot.texts.front(), "Off");
  EXPECT_EQ(tot.texts[1], "10s");
  EXPECT_EQ(tot.texts.back(), "600s");
  EXPECT_EQ(tot.values.back(), 60);
  EXPECT_EQ(Entries(Opt::Tot, Chinese()).texts.front(), "关");
  EXPECT_EQ(Entries(Opt::SquelchLevel, Chinese()).texts.front(), "关");
  EXPECT_EQ(Entries(Opt::SquelchLevel).texts.front(), "OFF");
  EXPECT_EQ(Entries(Opt::ScanType, Chinese()).texts, (std::vector<std::string>{"静噪扫描", "时间扫描"}));

  ChoiceEntries rf = Entries(Opt::RfGain);
  ASSERT_EQ(rf.size(), 18);
  EXPECT_EQ(rf.texts[2], "-3db");
  EXPECT_EQ(rf.texts.back(), "-48db");
  EXPECT_EQ(rf.values.back(), 17);

  ChoiceEntries hold = Entries(Opt::HoldTime);
  ASSERT_EQ(hold.size(), 34);
  EXPECT_EQ(hold.texts[30], "30S");
  EXPECT_EQ(hold.texts[31], "60S");
  EXPECT_EQ(hold.texts[32], "120S");
  EXPECT_EQ(hold.texts[33], "Infinite");
  EXPECT_EQ(Entries(Opt::HoldDelay).texts,
            (std::vector<std::string>{"30ms", "1S", "1.5S", "2S", "2.5S", "3S", "3.5S", "4S", "4.5S", "5S", "5.5S"}));
  EXPECT_EQ(Entries(Opt::PttSleep).texts.back(), "4 min");
  ChoiceEntries breakIn = Entries(Opt::CwBreakIn);
  ASSERT_EQ(breakIn.size(), 101);
  EXPECT_EQ(breakIn.texts.front(), "Off");
  EXPECT_EQ(Entries(Opt::CwBreakIn, Chinese()).texts.front(), "Off");  // the same in both languages
  EXPECT_EQ(breakIn.texts.back(), "1000ms");
}

TEST(OptionLists, CwFrequencyStoresTensOfHertzAndEndsWhereTheByteEnds) {
  ChoiceEntries cw = Entries(Opt::CwFreq);
  ASSERT_EQ(cw.size(), 226);
  EXPECT_EQ(cw.texts.front(), "300");
  EXPECT_EQ(cw.values.front(), 30);
  EXPECT_EQ(cw.texts.back(), "2550");
  EXPECT_EQ(cw.values.back(), 255);
}

TEST(OptionLists, KeyListsLeaveOutVfoWithoutHfAndStoreTheFullListPosition) {
  ChoiceEntries withoutHf = Entries(Opt::PfKey, {.hfCapable = false});
  ASSERT_EQ(withoutHf.size(), 18);
  EXPECT_EQ(std::count(withoutHf.texts.begin(), withoutHf.texts.end(), "VFO"), 0);
  EXPECT_EQ(withoutHf.texts[2], "NB.ANL");
  EXPECT_EQ(withoutHf.values[2], 3);
  EXPECT_EQ(withoutHf.texts.back(), "MODE SET");
  EXPECT_EQ(withoutHf.values.back(), 18);
  ChoiceEntries withHf = Entries(Opt::P3Key, {.hfCapable = true});
  ASSERT_EQ(withHf.size(), 19);
  EXPECT_EQ(withHf.texts[2], "VFO");
  for (int k = 0; k < 19; ++k) EXPECT_EQ(withHf.values[k], k);
}

TEST(OptionLists, ClarifierOffersOnlyOffAndRWhileTheBandIsCb) {
  EXPECT_EQ(Entries(Opt::Clarifier, {.cbBand = true}).texts, (std::vector<std::string>{"Off", "R"}));
  EXPECT_EQ(Entries(Opt::Clarifier, {.cbBand = false}).texts, (std::vector<std::string>{"Off", "R", "T", "RT"}));
}

TEST(OptionLists, ReferenceListsOfferOffAndTheDefinedNumbers) {
  RadioConfig cfg = DefaultConfig();
  cfg.Options.DtmfCodes(5) = u"12";
  cfg.Options.DtmfCodes(9) = u"#";
  ListContext context = MakeListContext(cfg, kChinese, false, true);
  const PublicRow& bot = PublicRows().front();
  ChoiceEntries entries = EntriesOf(bot.list, bot.pieces, context);
  EXPECT_EQ(entries.texts, (std::vector<std::string>{"关", "5", "9"}));
  EXPECT_EQ(entries.values, (std::vector<int>{0, 5, 9}));
  const PublicRow& roger = *std::find_if(PublicRows().begin(), PublicRows().end(),
                                         [](const PublicRow& r) { return r.param == kPublicRoger; });
  EXPECT_EQ(EntriesOf(roger.list, roger.pieces, context).values, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(OptionItems, ItemIdsFollowTheWindowsNumbering) {
  std::set<int> ids;
  for (const OptionControl& c : OptionControls()) {
    if (c.kind == OptionControlKind::NumberBox || c.kind == OptionControlKind::NameBox) continue;
    EXPECT_TRUE(ids.insert(c.itemId).second) << c.itemId;
    if (c.kind == OptionControlKind::List) EXPECT_TRUE(c.itemId >= 0 && c.itemId <= 68) << ValueName(c.value);
  }
  EXPECT_EQ(ControlOf(Field(Opt::SwrProtect)).itemId, 103);
  EXPECT_EQ(ControlOf(Field(Opt::BatteryProtect)).itemId, 104);
  // The mode boxes in the window's order; ModeEnable keeps CW before PA.
  const ModeFlag order[] = {kModeFM, kModeAM, kModeUSB, kModeLSB, kModePA, kModeCW};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(ControlOf({ValueRef::ModeEnable, Opt::WorkGroup, order[k]}).itemId, 105 + k);

  // Block rows: 0 HI-CUT, 1 NB/ANL, 2 ECHO, 3 +10KHz, 4 Power, 5 Mode, 6 BOT, 7 EOT, 8 CALL, 9 Roger.
  const PublicParam byRow[] = {kPublicHiCut, kPublicNbAnl, kPublicEcho, kPublicAdd10K, kPublicPower,
                               kPublicMode,  kPublicBot,   kPublicEot,  kPublicCall,   kPublicRoger};
  for (const PublicRow& row : PublicRows()) EXPECT_EQ(row.param, byRow[row.row]);
  std::vector<std::pair<int, int>> blocks;
  for (const PublicBlock& block : PublicBlocks()) blocks.emplace_back(block.band, block.firstItemId);
  EXPECT_EQ(blocks, (std::vector<std::pair<int, int>>{{kCB, 200}, {kHAM, 300}, {kHF, 400}}));
}

TEST(OptionItems, TheCbFrameHasNoTenKilohertzRowAndCallsItsRogerRowChanRb) {
  const PublicBlock& cb = PublicBlocks()[0];
  const PublicBlock& hf = PublicBlocks()[2];
  ASSERT_EQ(cb.band, kCB);
  std::vector<std::string> cbLabels, hfLabels;
  for (const PublicRow& row : PublicRows()) {
    if (BlockShowsRow(cb, row)) cbLabels.emplace_back(Text(RowLabel(cb, row), kEnglish));
    if (BlockShowsRow(hf, row)) hfLabels.emplace_back(Text(RowLabel(hf, row), kEnglish));
  }
  EXPECT_EQ(cbLabels, (std::vector<std::string>{"BOT", "EOT", "CALL", "HI-CUT", "NB/ANL", "ECHO", "Chan Rb", "Mode",
                                                "Power"}));
  EXPECT_EQ(hfLabels, (std::vector<std::string>{"BOT", "EOT", "CALL", "HI-CUT", "NB/ANL", "ECHO", "+10KHz", "Roger",
                                                "Mode", "Power"}));
}

// Every entry of every list is a value its field can hold and read back:
// a list longer than its byte, or a control on a missing field, fails here.
TEST(OptionItems, EveryEntryOfEveryListSurvivesAStoreAndARead) {
  RadioConfig cfg = DefaultConfig();
  for (int n = 1; n <= 16; ++n) cfg.Options.DtmfCodes(n) = u"1";
  ListContext context = MakeListContext(cfg, kEnglish, true, false);
  auto check = [&](const ValueRef& value, OptionList list, std::span<const ChoicePiece> pieces) {
    ChoiceEntries entries = EntriesOf(list, pieces, context);
    ASSERT_GT(entries.size(), 1) << ValueName(value);
    for (int stored : entries.values) {
      WriteValue(cfg, value, stored);
      EXPECT_EQ(ReadValue(cfg, value), stored) << ValueName(value);
    }
  };
  for (const OptionControl& c : OptionControls())
    if (c.kind == OptionControlKind::List) check(c.value, c.list, c.pieces);
  for (const PublicBlock& block : PublicBlocks())
    for (const PublicRow& row : PublicRows()) check(Field(Opt::PublicParams, block.band, row.param), row.list, row.pieces);
  for (const DtmfSettingList& list : DtmfSettingLists())
    check(Field(Opt::DtmfSettings, list.element), OptionList::Fixed, list.pieces);
}

TEST(DtmfLists, SettingsListsStoreTheirPositionWithLanguageDependentDCode) {
  const auto& lists = DtmfSettingLists();
  ChoiceEntries send = BuildEntries(lists[0].pieces, kEnglish);
  ASSERT_EQ(send.size(), 50);
  EXPECT_EQ(send.texts.front(), "10");
  EXPECT_EQ(send.texts.back(), "500");
  EXPECT_EQ(BuildEntries(lists[1].pieces, kEnglish).texts.back(), "1000");
  EXPECT_EQ(BuildEntries(lists[2].pieces, kEnglish).size(), 25);
  EXPECT_EQ(BuildEntries(lists[3].pieces, kChinese).texts, (std::vector<std::string>{"Off", "100", "500", "1000"}));
  ChoiceEntries english = BuildEntries(lists[4].pieces, kEnglish);
  ChoiceEntries chinese = BuildEntries(lists[4].pieces, kChinese);
  ASSERT_EQ(english.size(), 17);
  EXPECT_EQ(english.texts[0], "Off");
  EXPECT_EQ(english.texts[16], "16s");
  EXPECT_EQ(chinese.texts[0], "D 码");
  EXPECT_EQ(chinese.texts[1], "1秒");
  EXPECT_EQ(chinese.values[16], 16);
}

TEST(RogerLists, FrequenciesStoreTensOfHertzAfterNone) {
  ChoiceEntries frequencies = BuildEntries(RogerFrequencyList(), kChinese);
  ASSERT_EQ(frequencies.size(), 217);
  EXPECT_EQ(frequencies.texts[0], "无");
  EXPECT_EQ(frequencies.values[0], 0);
  EXPECT_EQ(frequencies.texts[1], "400");
  EXPECT_EQ(frequencies.values[1], 40);
  EXPECT_EQ(frequencies.values.back(), 255);
  ChoiceEntries times = BuildEntries(RogerTimeList(), kEnglish);
  ASSERT_EQ(times.size(), 256);
  EXPECT_EQ(times.texts.back(), "2550");
  EXPECT_EQ(times.values.back(), 255);
  ChoiceEntries recycle = BuildEntries(RogerRecycleList(), kChinese);
  EXPECT_EQ(recycle.texts.front(), "关");
  EXPECT_EQ(recycle.size(), 11);
  EXPECT_EQ(Text(RogerStepCaptions()[13], kChinese), "第十四个音");
  EXPECT_EQ(Text(RogerStepCaptions()[11], kEnglish), "Twelfth Tone");
}

}  // namespace
}  // namespace zq
