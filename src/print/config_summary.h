#pragma once
// The whole configuration on paper, in the language of the program: identity,
// channel groups, option features, the bands' common channel parameters, DTMF
// settings and codes, roger-beep presets, the special channels and the weather
// receiver, each entry under the label and with the text its editor shows.
#include "config/radio_config.h"
#include "print/print_document.h"

namespace zq {

// The tables of the summary; the caller adds the title and notes.
std::vector<PrintTable> ConfigurationSummaryTables(const RadioConfig& cfg, int language);

}  // namespace zq
