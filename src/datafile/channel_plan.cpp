#include "datafile/channel_plan.h"

#include <algorithm>
#include <array>
#include <sstream>

#include "text/plain_text.h"

namespace zq {
namespace {

// Indexed by ChannelMode.
constexpr std::array<std::string_view, kChannelModeCount> kModeNames = {"FM", "AM", "USB", "LSB", "PA", "CW"};
constexpr long long kLowestHertz = 10'000'000;  // eight digits, two of them MHz
constexpr long long kHighestHertz = 99'999'999;

template <std::size_t N>
std::optional<int> IndexOf(const std::array<std::string_view, N>& names, std::string_view word) {
  auto it = std::find(names.begin(), names.end(), word);
  if (it == names.end()) return std::nullopt;
  return static_cast<int>(it - names.begin());
}

std::vector<std::string> Words(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::optional<int> SmallNumber(std::string_view text) {
  auto n = ParseInteger(text);
  if (!n || !IsAllDigits(Trim(text)) || *n > 1000) return std::nullopt;
  return static_cast<int>(*n);
}

class PlanReader {
 public:
  ChannelPlanParse Read(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string line;
    for (result_.errorLine = 1; std::getline(in, line); ++result_.errorLine) {
      auto words = Words(line);
      if (words.empty() || words[0].front() == '#') continue;
      result_.error = Directive(words, Trim(line));
      if (!result_.ok()) return result_;
    }
    result_.errorLine = 0;
    for (const auto& g : result_.groups) {
      if (!NumbersRunFromOne(g)) return Fail("the channel numbers of group " + g.name + " do not run 1, 2, 3 ...");
    }
    return result_;
  }

 private:
  ChannelPlanParse Fail(std::string message) {
    result_.error = std::move(message);
    return result_;
  }

  static bool NumbersRunFromOne(const PlanGroup& g) {
    for (std::size_t k = 0; k < g.channels.size(); ++k)
      if (g.channels[k].number != static_cast<int>(k) + 1) return false;
    return static_cast<int>(g.channels.size()) <= GroupCapacity(g.group);
  }

  std::string Directive(const std::vector<std::string>& w, std::string_view line) {
    const std::string& d = w[0];
    if (d == "group") return Group(w);
    if (groups().empty()) return "\"" + d + "\" before the first group";
    if (d == "source") {
      groups().back().source = std::string(Trim(line.substr(d.size())));
      return {};
    }
    if (d == "mode" && w.size() == 2) {
      auto m = IndexOf(kModeNames, w[1]);
      if (!m) return "unknown mode " + w[1];
      mode_ = *m;
      return {};
    }
    if (d == "channels" && w.size() >= 3) return Channels(w);
    if (d == "steps" && w.size() == 5) return Steps(w);
    if (d == "copy" && w.size() == 4) return Copy(w);
    return "line not understood";
  }

  std::string Group(const std::vector<std::string>& w) {
    bool initial = w.size() == 5 && w[4] == "initial";
    if (w.size() != 4 && !initial) return "group needs: band, number, name [initial]";
    auto band = BandOfShortName(w[1]);
    auto group = SmallNumber(w[2]);
    if (!band || !group || !IsGroup({*band, *group})) return "no group " + w[2] + " in band " + w[1];
    if (w[3].size() > 2) return "group names have at most two characters";
    if (Find({*band, *group})) return "group " + w[1] + " " + w[2] + " appears twice";
    groups().push_back({*band, *group, w[3], "", initial, {}});
    mode_ = 0;
    return {};
  }

  std::string Add(int number, long long hertz) {
    if (hertz < kLowestHertz || hertz > kHighestHertz) return "frequency outside 10 - 99.999999 MHz";
    groups().back().channels.push_back({number, hertz, mode_});
    return {};
  }

  std::string Channels(const std::vector<std::string>& w) {
    auto first = SmallNumber(w[1]);
    if (!first) return "bad channel number " + w[1];
    for (std::size_t k = 2; k < w.size(); ++k) {
      auto hz = ParseScaledDecimal(w[k], 6);
      if (!hz) return "bad frequency " + w[k];
      if (auto error = Add(*first + static_cast<int>(k) - 2, *hz); !error.empty()) return error;
    }
    return {};
  }

  std::string Steps(const std::vector<std::string>& w) {
    auto first = SmallNumber(w[1]);
    auto last = SmallNumber(w[2]);
    auto start = ParseScaledDecimal(w[3], 6);
    auto step = ParseScaledDecimal(w[4], 3);
    if (!first || !last || *last < *first || !start || !step) return "steps needs: first, last, MHz, kHz";
    for (int n = *first; n <= *last; ++n)
      if (auto error = Add(n, *start + (n - *first) * *step); !error.empty()) return error;
    return {};
  }

  std::string Copy(const std::vector<std::string>& w) {
    auto band = BandOfShortName(w[1]);
    auto group = SmallNumber(w[2]);
    auto shift = ParseScaledDecimal(w[3], 3);
    const PlanGroup* from = band && group ? Find({*band, *group}) : nullptr;
    if (!from || from == &groups().back() || !shift) return "copy needs an earlier group and a kHz shift";
    const auto channels = from->channels;
    const int mode = mode_;
    std::string error;
    for (std::size_t k = 0; k < channels.size() && error.empty(); ++k) {
      mode_ = channels[k].mode;
      error = Add(channels[k].number, channels[k].hertz + *shift);
    }
    mode_ = mode;
    return error;
  }

  const PlanGroup* Find(BandGroup group) const {
    for (const auto& g : result_.groups)
      if (g.group == group) return &g;
    return nullptr;
  }

  std::vector<PlanGroup>& groups() { return result_.groups; }

  ChannelPlanParse result_;
  int mode_ = 0;
};

}  // namespace

std::optional<long long> ParseScaledDecimal(std::string_view text, int decimals) {
  bool negative = !text.empty() && text.front() == '-';
  if (negative || (!text.empty() && text.front() == '+')) text.remove_prefix(1);
  auto point = text.find('.');
  std::string_view whole = text.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() || whole.size() > 9 || !IsAllDigits(whole)) return std::nullopt;
  if (point != std::string_view::npos && (fraction.empty() || !IsAllDigits(fraction))) return std::nullopt;
  if (static_cast<int>(fraction.size()) > decimals) return std::nullopt;
  long long value = *ParseInteger(whole);
  for (int k = 0; k < decimals; ++k) {
    int digit = k < static_cast<int>(fraction.size()) ? fraction[k] - '0' : 0;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

std::string FrequencyTextOfHertz(long long hertz) {
  if (hertz < kLowestHertz || hertz > kHighestHertz) return {};
  return std::to_string(hertz);
}

ChannelPlanParse ParseChannelPlans(std::string_view text) { return PlanReader().Read(text); }

void ApplyChannelPlans(const std::vector<PlanGroup>& groups, TemplateKind kind, RadioConfig& cfg) {
  for (const auto& g : groups) {
    if (g.initialOnly && kind != TemplateKind::InitialSetting) continue;
    cfg.Options.GroupName(g.group) = Utf8ToUtf16(g.name);
    cfg.Count(g.group) = static_cast<int16_t>(g.channels.size());
    for (const auto& c : g.channels) {
      ChannelRecord record;
      record.Number = static_cast<int16_t>(c.number);
      record.Enabled = 1;
      record.ScanAdd = 1;
      record.RxFrequency = FrequencyTextOfHertz(c.hertz);
      record.TxFrequency = record.RxFrequency;
      record.NbAnl = 1;
      record.Mode = static_cast<int16_t>(c.mode);
      cfg.Channel(g.group, c.number) = record;
    }
  }
}

}  // namespace zq
