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

Choices Entries(Opt field, const ListContext& context = {}) {
  const OptionControl& c = ControlOf(Field(field));
  return ChoicesOf(c.list, c.pieces, context);
}

std::vector<std::string> Texts(const Choices& choices) {
  std::vector<std::string> texts;
  for (const Choice& c : choices) texts.push_back(c.text);
  return texts;
}

std::vector<int> Values(const Choices& choices) {
  std::vector<int> values;
  for (const Choice& c : choices) values.push_back(c.value);
  return values;
}

ListContext Chinese() { return {.language = kChinese}; }

TEST(OptionLists, EntriesAreWrittenAsTheRadioShowsThem) {
  Choices tot = Entries(Opt::Tot);
  ASSERT_EQ(tot.size(), 61u);
  EXPECT_EQ(tot.front().text, "Off");
  EXPECT_EQ(tot[1].text, "10s");
  EXPECT_EQ(tot.back().text, "600s");
  EXPECT_EQ(tot.back().value, 60);
  EXPECT_EQ(Entries(Opt::Tot, Chinese()).front().text, "关");
  EXPECT_EQ(Entries(Opt::SquelchLevel, Chinese()).front().text, "关");
  EXPECT_EQ(Entries(Opt::SquelchLevel).front().text, "OFF");
  EXPECT_EQ(Texts(Entries(Opt::ScanType, Chinese())), (std::vector<std::string>{"静噪扫描", "时间扫描"}));

  Choices rf = Entries(Opt::RfGain);
  ASSERT_EQ(rf.size(), 18u);
  EXPECT_EQ(rf[2].text, "-3db");
  EXPECT_EQ(rf.back().text, "-48db");
  EXPECT_EQ(rf.back().value, 17);

  Choices hold = Entries(Opt::HoldTime);
  ASSERT_EQ(hold.size(), 34u);
  EXPECT_EQ(hold[30].text, "30S");
  EXPECT_EQ(hold[31].text, "60S");
  EXPECT_EQ(hold[32].text, "120S");
  EXPECT_EQ(hold[33].text, "Infinite");
  EXPECT_EQ(Texts(Entries(Opt::HoldDelay)),
            (std::vector<std::string>{"30ms", "1S", "1.5S", "2S", "2.5S", "3S", "3.5S", "4S", "4.5S", "5S", "5.5S"}));
  EXPECT_EQ(Entries(Opt::PttSleep).back().text, "4 min");
  Choices breakIn = Entries(Opt::CwBreakIn);
  ASSERT_EQ(breakIn.size(), 101u);
  EXPECT_EQ(breakIn.front().text, "Off");
  EXPECT_EQ(Entries(Opt::CwBreakIn, Chinese()).front().text, "Off");  // the same in both languages
  EXPECT_EQ(breakIn.back().text, "1000ms");
}

TEST(OptionLists, CwFrequencyStoresTensOfHertzAndEndsWhereTheByteEnds) {
  Choices cw = Entries(Opt::CwFreq);
  ASSERT_EQ(cw.size(), 226u);
  EXPECT_EQ(cw.front().text, "300");
  EXPECT_EQ(cw.front().value, 30);
  EXPECT_EQ(cw.back().text, "2550");
  EXPECT_EQ(cw.back().value, 255);
}

TEST(OptionLists, KeyListsLeaveOutVfoWithoutHfAndStoreTheFullListPosition) {
  Choices withoutHf = Entries(Opt::PfKey, {.hfCapable = false});
  ASSERT_EQ(withoutHf.size(), 18u);
  const std::vector<std::string> texts = Texts(withoutHf);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "VFO"), 0);
  EXPECT_EQ(withoutHf[2].text, "NB.ANL");
  EXPECT_EQ(withoutHf[2].value, 3);
  EXPECT_EQ(withoutHf.back().text, "MODE SET");
  EXPECT_EQ(withoutHf.back().value, 18);
  Choices withHf = Entries(Opt::P3Key, {.hfCapable = true});
  ASSERT_EQ(withHf.size(), 19u);
  EXPECT_EQ(withHf[2].text, "VFO");
  for (int k = 0; k < 19; ++k) EXPECT_EQ(withHf[k].value, k);
}

TEST(OptionLists, ClarifierOffersOnlyOffAndRWhileTheBandIsCb) {
  EXPECT_EQ(Texts(Entries(Opt::Clarifier, {.cbBand = true})), (std::vector<std::string>{"Off", "R"}));
  EXPECT_EQ(Texts(Entries(Opt::Clarifier, {.cbBand = false})), (std::vector<std::string>{"Off", "R", "T", "RT"}));
}

TEST(OptionLists, ReferenceListsOfferOffAndTheDefinedCodesWithTheirDigits) {
  RadioConfig cfg = DefaultConfig();
  cfg.Options.DtmfCodes(5) = u"12";
  cfg.Options.DtmfCodes(9) = u"#";
  ListContext context = MakeListContext(cfg, kChinese, false, true);
  const PublicRow& bot = PublicRows().front();
  Choices entries = ChoicesOf(bot.list, bot.pieces, context);
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{"关", "5 \u2014 12", "9 \u2014 #"}));
  EXPECT_EQ(Values(entries), (std::vector<int>{0, 5, 9}));
  const PublicRow& roger = *std::find_if(PublicRows().begin(), PublicRows().end(),
                                         [](const PublicRow& r) { return r.param == kPublicRoger; });
  EXPECT_EQ(Values(ChoicesOf(roger.list, roger.pieces, context)), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(OptionItems, ItemIdsFollowTheWindowsNumbering) {
  std::set<int> ids;
  for (const OptionControl& c : OptionControls()) {
    if (c.kind == OptionControlKind::NumberBox || c.kind == OptionControlKind::NameBox) continue;
    EXPECT_TRUE(ids.insert(c.itemId).second) << c.itemId;
    if (c.kind == OptionControlKind::List) {
      EXPECT_TRUE(c.itemId >= 0 && c.itemId <= 68) << ValueName(c.value);
    }
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
  std::vector<std::pair<Band, int>> blocks;
  for (const PublicBlock& block : PublicBlocks()) blocks.emplace_back(block.band, block.firstItemId);
  EXPECT_EQ(blocks, (std::vector<std::pair<Band, int>>{{kCB, 200}, {kHAM, 300}, {kHF, 400}}));
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
  EXPECT_EQ(cbLabels,
            (std::vector<std::string>{"BOT", "EOT", "CALL", "HI-CUT", "NB/ANL", "ECHO", "Chan Rb", "Mode", "Power"}));
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
    Choices entries = ChoicesOf(list, pieces, context);
    ASSERT_GT(entries.size(), 1u) << ValueName(value);
    for (int stored : Values(entries)) {
      WriteValue(cfg, value, stored);
      EXPECT_EQ(ReadValue(cfg, value), stored) << ValueName(value);
    }
  };
  for (const OptionControl& c : OptionControls())
    if (c.kind == OptionControlKind::List) check(c.value, c.list, c.pieces);
  for (const PublicBlock& block : PublicBlocks())
    for (const PublicRow& row : PublicRows())
      check(Field(Opt::PublicParams, block.band, row.param), row.list, row.pieces);
  for (const DtmfSettingList& list : DtmfSettingLists())
    check(Field(Opt::DtmfSettings, list.element), OptionList::Fixed, list.pieces);
}

TEST(DtmfLists, SettingsListsStoreTheirPositionWithLanguageDependentDCode) {
  const auto& lists = DtmfSettingLists();
  Choices send = BuildChoices(lists[0].pieces, kEnglish);
  ASSERT_EQ(send.size(), 50u);
  EXPECT_EQ(send.front().text, "10");
  EXPECT_EQ(send.back().text, "500");
  EXPECT_EQ(BuildChoices(lists[1].pieces, kEnglish).back().text, "1000");
  EXPECT_EQ(BuildChoices(lists[2].pieces, kEnglish).size(), 25u);
  EXPECT_EQ(Texts(BuildChoices(lists[3].pieces, kChinese)), (std::vector<std::string>{"Off", "100", "500", "1000"}));
  Choices english = BuildChoices(lists[4].pieces, kEnglish);
  Choices chinese = BuildChoices(lists[4].pieces, kChinese);
  ASSERT_EQ(english.size(), 17u);
  EXPECT_EQ(english[0].text, "Off");
  EXPECT_EQ(english[16].text, "16s");
  EXPECT_EQ(chinese[0].text, "D 码");
  EXPECT_EQ(chinese[1].text, "1秒");
  EXPECT_EQ(chinese[16].value, 16);
}

TEST(RogerLists, FrequenciesStoreTensOfHertzAfterNone) {
  Choices frequencies = BuildChoices(RogerFrequencyList(), kChinese);
  ASSERT_EQ(frequencies.size(), 217u);
  EXPECT_EQ(frequencies[0].text, "无");
  EXPECT_EQ(frequencies[0].value, 0);
  EXPECT_EQ(frequencies[1].text, "400");
  EXPECT_EQ(frequencies[1].value, 40);
  EXPECT_EQ(frequencies.back().value, 255);
  Choices times = BuildChoices(RogerTimeList(), kEnglish);
  ASSERT_EQ(times.size(), 256u);
  EXPECT_EQ(times.back().text, "2550");
  EXPECT_EQ(times.back().value, 255);
  Choices recycle = BuildChoices(RogerRecycleList(), kChinese);
  EXPECT_EQ(recycle.front().text, "关");
  EXPECT_EQ(recycle.size(), 11u);
  EXPECT_EQ(Text(RogerStepCaptions()[13], kChinese), "第十四个音");
  EXPECT_EQ(Text(RogerStepCaptions()[11], kEnglish), "Twelfth Tone");
}

}  // namespace
}  // namespace zq
