#include <gtest/gtest.h>

#include "text/language_table.h"
#include "text/locale_ids.h"

namespace zq {
namespace {

TEST(LocaleIds, NamesMapToTheIdentifiersTheLanguageRulesTest) {
  EXPECT_EQ(LocaleIdOfName("zh_CN"), 0x0804u);
  EXPECT_EQ(LocaleIdOfName("zh_CN.UTF-8"), 0x0804u);
  EXPECT_EQ(LocaleIdOfName("de_DE.UTF-8@euro"), 0x0407u);
  EXPECT_EQ(LocaleIdOfName("zh_TW.UTF-8"), 0x0404u);
  EXPECT_EQ(LocaleIdOfName("zh-CN"), 0x0804u);
  EXPECT_EQ(LocaleIdOfName("C"), 0x0409u);
  EXPECT_EQ(LocaleIdOfName(""), 0x0409u);
  EXPECT_EQ(LocaleIdText(0x0804), "804");
  EXPECT_EQ(LocaleIdText(0x0407), "407");
}

TEST(LocaleIds, OnlyChinaStartsInChinese) {
  EXPECT_EQ(SystemLanguageOf(LocaleIdOfName("zh_CN.UTF-8")), kChinese);
  EXPECT_EQ(SystemLanguageOf(LocaleIdOfName("zh_TW.UTF-8")), kEnglish);
  EXPECT_EQ(SystemLanguageOf(LocaleIdOfName("zh_HK")), kEnglish);
  EXPECT_EQ(SystemLanguageOf(LocaleIdOfName("de_DE")), kEnglish);
}

}  // namespace
}  // namespace zq
