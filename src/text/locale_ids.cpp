#include "text/locale_ids.h"

#include <cctype>
#include <cstdio>

namespace zq {
namespace {

struct LocaleEntry {
  std::string_view name;  // language_TERRITORY
  unsigned id;
};

constexpr LocaleEntry kLocales[] = {
    {"zh_CN", 0x0804}, {"zh_SG", 0x1004}, {"zh_TW", 0x0404}, {"zh_HK", 0x0C04}, {"zh_MO", 0x1404}, {"en_US", 0x0409},
    {"en_GB", 0x0809}, {"en_AU", 0x0C09}, {"en_CA", 0x1009}, {"en_NZ", 0x1409}, {"en_IE", 0x1809}, {"en_ZA", 0x1C09},
    {"en_IN", 0x4009}, {"de_DE", 0x0407}, {"de_CH", 0x0807}, {"de_AT", 0x0C07}, {"de_LU", 0x1007}, {"de_LI", 0x1407},
    {"fr_FR", 0x040C}, {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C}, {"it_IT", 0x0410}, {"it_CH", 0x0810},
    {"es_ES", 0x0C0A}, {"es_MX", 0x080A}, {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"nl_NL", 0x0413}, {"nl_BE", 0x0813},
    {"pl_PL", 0x0415}, {"ru_RU", 0x0419}, {"uk_UA", 0x0422}, {"cs_CZ", 0x0405}, {"sk_SK", 0x041B}, {"hu_HU", 0x040E},
    {"ro_RO", 0x0418}, {"bg_BG", 0x0402}, {"el_GR", 0x0408}, {"tr_TR", 0x041F}, {"sv_SE", 0x041D}, {"da_DK", 0x0406},
    {"nb_NO", 0x0414}, {"fi_FI", 0x040B}, {"ja_JP", 0x0411}, {"ko_KR", 0x0412}, {"th_TH", 0x041E}, {"vi_VN", 0x042A},
    {"id_ID", 0x0421}, {"ms_MY", 0x043E}, {"hi_IN", 0x0439}, {"ar_SA", 0x0401}, {"he_IL", 0x040D},
};

}  // namespace

unsigned LocaleIdOfName(std::string_view name) {
  // "zh_CN.UTF-8@euro" -> "zh_CN"; "zh-CN" is accepted too.
  std::string key;
  for (char c : name) {
    if (c == '.' || c == '@') break;
    key += c == '-' ? '_' : c;
  }
  for (const auto& e : kLocales)
    if (e.name == key) return e.id;
  // A bare language picks its main territory.
  for (const auto& e : kLocales)
    if (key.size() == 2 && e.name.substr(0, 2) == key) return e.id;
  return 0x0409;
}

std::string LocaleIdText(unsigned localeId) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", localeId);
  return buf;
}

}  // namespace zq
