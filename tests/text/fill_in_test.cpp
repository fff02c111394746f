#include <gtest/gtest.h>

#include "text/language_table.h"

namespace zq {
namespace {

TEST(FillIn, ValuesTakeTheirNumberedPlacesOnce) {
  EXPECT_EQ(FillIn("Line %1: %2", {"7", "bad"}), "Line 7: bad");
  EXPECT_EQ(FillIn("%2 before %1", {"a", "b"}), "b before a");
  EXPECT_EQ(FillIn("%1", {"100%2 %1"}), "100%2 %1");  // a value is not filled in again
  EXPECT_EQ(FillIn("%3 and %0 and 50% and %", {"x"}), "%3 and %0 and 50% and %");
}

}  // namespace
}  // namespace zq
