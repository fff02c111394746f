// The cable chips of the adapter table and of the udev rule the package installs are the same.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <utility>

#include "link/usb_adapters.h"

namespace zq {
namespace {

TEST(UsbAdapters, TheUdevRuleNamesTheChipsOfTheAdapterTable) {
  std::ifstream rule(std::string(ZQ_SOURCE_DIR) + "/data/udev/70-zq4071-serial-cables.rules");
  ASSERT_TRUE(rule);
  std::set<std::pair<unsigned, unsigned>> inRule, inTable;
  const std::regex ids(R"re(ATTRS\{idVendor\}=="([0-9a-f]{4})", ATTRS\{idProduct\}=="([0-9a-f|]+)")re");
  for (std::string line; std::getline(rule, line);) {
    std::smatch m;
    if (!std::regex_search(line, m, ids)) continue;
    const unsigned vendor = std::stoul(m[1].str(), nullptr, 16);
    std::string products = m[2].str();
    for (std::size_t start = 0; start <= products.size();) {
      std::size_t bar = std::min(products.find('|', start), products.size());
      inRule.insert({vendor, std::stoul(products.substr(start, bar - start), nullptr, 16)});
      start = bar + 1;
    }
  }
  for (const UsbAdapter& row : UsbAdapterTable()) inTable.insert({row.vendor, row.product});
  EXPECT_EQ(inRule, inTable);
  const UsbAdapter* old = FindUsbAdapter(0x067b, 0x2303, 0x0300, " 1.10");
  ASSERT_NE(old, nullptr);
  EXPECT_EQ(old->caveat, AdapterCaveat::RefusedRevision);
  EXPECT_EQ(FindUsbAdapter(0x067b, 0x2303, 0x0300, "2.00")->caveat, AdapterCaveat::None);  // the TA
  EXPECT_EQ(FindUsbAdapter(0x1234, 0x5678), nullptr);
}

}  // namespace
}  // namespace zq
