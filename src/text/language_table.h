#pragma once
// LanguageTable: every user-visible text, looked up by id and language.
#include <string>
#include <string_view>
#include <vector>

#include "text/language_texts.h"

namespace zq {

enum Language : int { kEnglish = 1, kChinese = 2 };

enum class Txt : int {
#define ZQ_X(id, en, zh) id,
  ZQ_TEXTS(ZQ_X)
#undef ZQ_X
};

// The text in the given language (1 English, 2 Chinese); any other index gives English.
std::string_view Text(Txt id, int language);
std::string_view TextName(Txt id);
int TextCount();

// A text with "%1", "%2"... replaced by the values in order, for messages that
// name what they are about; a "%" without a value of its number stays.
std::string FillIn(std::string_view pattern, const std::vector<std::string>& values);

// A menu caption without its access key: "&Open" and "打开(&O)" as "Open" and "打开".
std::string WithoutAccessKey(std::string_view caption);

// A number as messages show it: digits in groups of three from 10,000 on ("1000", "139,776").
std::string GroupedDigits(unsigned long long number);

// A count in its phrase: `one` ("%1 name") for 1, `many` ("%1 names") for any
// other number. Chinese nouns have one form, so its two texts are the same.
std::string CountText(long long count, Txt one, Txt many, int language);

// The language a system locale identifier starts the program in: Chinese only for 0x0804.
inline int SystemLanguageOf(unsigned localeId) { return localeId == 0x0804 ? kChinese : kEnglish; }

}  // namespace zq
