#include "options/dtmf_rules.h"

#include <string>

#include "config/channel_slots.h"
#include "config/public_params.h"
#include "text/plain_text.h"

namespace zq {
namespace {

constexpr std::string_view kDtmfKeys = "0123456789ABCD*#";

// Resets `value` to 0 unless it names a defined code; true when it was reset.
bool CleanReference(const OptionFeatures& opt, int16_t& value) {
  if (value == 0 || IsDtmfCodeDefined(opt, value)) return false;
  value = 0;
  return true;
}

}  // namespace

bool IsDtmfCodeDefined(const OptionFeatures& opt, int n) {
  return n >= 1 && n <= kDtmfCodeCount && !Cleaned(opt.DtmfCodes(n)).empty();
}

std::vector<int> DefinedDtmfCodeNumbers(const OptionFeatures& opt) {
  std::vector<int> numbers;
  for (int n = 1; n <= kDtmfCodeCount; ++n)
    if (IsDtmfCodeDefined(opt, n)) numbers.push_back(n);
  return numbers;
}

std::string DtmfReferenceText(const OptionFeatures& opt, int n) {
  const std::u16string code = opt.DtmfCodes(n);
  return std::to_string(n) + " \u2014 " + Utf16ToUtf8(Cleaned(std::u16string_view(code)));
}

int CleanDtmfReferences(RadioConfig& cfg) {
  const OptionFeatures& opt = cfg.Options;
  int reset = 0;
  for (const Band band : kBands) {
    for (PublicParam row : kPublicDtmfRows) {
      auto value = static_cast<int16_t>(opt.PublicParams(band, row));
      if (CleanReference(opt, value)) {
        cfg.Options.PublicParams(band, row) = value;
        ++reset;
      }
    }
  }
  ForEachReferencingRecord(cfg, [&](ChannelRecord& r) {
    reset += CleanReference(opt, r.Bot) + CleanReference(opt, r.Eot) + CleanReference(opt, r.Call);
  });
  return reset;
}

FilteredKey FilterDtmfKey(char32_t key) { return FilterTypedKey(key, kDtmfKeys, true); }

bool SetDtmfCode(RadioConfig& cfg, int n, std::string_view code) {
  if (n < 1 || n > kDtmfCodeCount) return false;
  std::string typed;
  for (char c : TrimRight(code)) {
    FilteredKey key = FilterDtmfKey(static_cast<unsigned char>(c));
    if (key.verdict != KeyVerdict::Insert) return false;
    typed += key.character;
  }
  if (typed.size() > static_cast<std::size_t>(kDtmfCodeLength)) return false;
  cfg.Options.DtmfCodes(n) = Utf8ToUtf16(typed);
  CleanDtmfReferences(cfg);
  return true;
}

}  // namespace zq
