#pragma once
// The 16 DTMF codes and the references to them. BOT, EOT and Call of a channel
// and of each band's common parameters hold a code number 1-16, or 0 for none;
// a reference to a code that is not defined is stale and is reset to 0.
#include <string>
#include <string_view>
#include <vector>

#include "config/radio_config.h"
#include "text/typed_keys.h"

namespace zq {

inline constexpr int kDtmfCodeCount = 16;
inline constexpr int kDtmfCodeLength = 16;

// Code n is defined when n is 1-16 and the code without trailing blanks is not empty.
bool IsDtmfCodeDefined(const OptionFeatures& opt, int n);
// The defined code numbers, ascending: the entries after "Off" in the BOT, EOT and Call lists.
std::vector<int> DefinedDtmfCodeNumbers(const OptionFeatures& opt);
// A reference as the lists show it: the number and the code's digits ("2 \u2014 123A").
std::string DtmfReferenceText(const OptionFeatures& opt, int n);

// The clean-up the DTMF window's SetDTMFList runs after a code changed, before
// the open windows rebuild their lists. Resets every stale BOT, EOT and Call:
// the three of each band's common parameters, those of every channel in use,
// and those of the special slots (their references go stale the same way).
// Returns how many were reset.
int CleanDtmfReferences(RadioConfig& cfg);

// A key typed into a code: digits, "*", "#" and "A"-"D" ("a"-"d" become capitals).
// The box holds at most kDtmfCodeLength characters; Enter moves to the next field.
FilteredKey FilterDtmfKey(char32_t key);

// Stores code n (trailing blanks removed, padded to 16) and cleans the
// references. False, with nothing changed, for a number outside 1-16, a
// character a code cannot hold, or more than 16 characters.
bool SetDtmfCode(RadioConfig& cfg, int n, std::string_view code);

}  // namespace zq
