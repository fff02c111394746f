#include <gtest/gtest.h>

#include "print/print_pages.h"

namespace zq {
namespace {

PrintTable Rows(int count, bool header = true) {
  PrintTable table;
  table.heading = "t";
  if (header) table.columns = {"a", "b"};
  table.rows.assign(count, {"x", "y"});
  return table;
}

// Page height 1000: title 100, heading 40, rows 20, gap 10.
constexpr PageMetrics kMetrics{1000, 100, 40, 20, 10};

std::vector<std::tuple<int, int, int, bool>> Slices(const PrintPage& page) {
  std::vector<std::tuple<int, int, int, bool>> out;
  for (const PageSlice& s : page.slices) out.emplace_back(s.table, s.firstRow, s.endRow, s.continued);
  return out;
}

TEST(PrintPages, ALongTableContinuesWithItsHeadingAndHeaderOnEveryPage) {
  PrintDocument doc;
  doc.tables = {Rows(99)};
  auto pages = PaginateDocument(doc, kMetrics);
  // First page: 1000 - 100 title - 10 gap - 40 heading - 20 header = 830, 41 rows.
  // Later pages: 1000 - 40 - 20 = 940, 47 rows.
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_TRUE(pages[0].withTitle);
  EXPECT_FALSE(pages[1].withTitle);
  using S = std::vector<std::tuple<int, int, int, bool>>;
  EXPECT_EQ(Slices(pages[0]), (S{{0, 0, 41, false}}));
  EXPECT_EQ(Slices(pages[1]), (S{{0, 41, 88, true}}));
  EXPECT_EQ(Slices(pages[2]), (S{{0, 88, 99, true}}));

  // A table without header row has room for one more row on each page.
  doc.tables = {Rows(99, false)};
  pages = PaginateDocument(doc, kMetrics);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(Slices(pages[0]), (S{{0, 0, 42, false}}));
  EXPECT_EQ(Slices(pages[1]), (S{{0, 42, 90, true}}));
}

TEST(PrintPages, TablesShareAPageAndAHeadingIsNeverLeftAlone) {
  using S = std::vector<std::tuple<int, int, int, bool>>;
  PrintDocument doc;
  doc.tables = {Rows(36), Rows(5), Rows(0), Rows(3)};
  auto pages = PaginateDocument(doc, kMetrics);
  // Title 100, then 70 above the 36 rows of 20: 890 used. The next table's 70 leave room
  // for two rows; its other three continue on page 2.
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(Slices(pages[0]), (S{{0, 0, 36, false}, {1, 0, 2, false}}));
  // An empty table keeps its heading and header row; the one after it follows the gap.
  EXPECT_EQ(Slices(pages[1]), (S{{1, 2, 5, true}, {2, 0, 0, false}, {3, 0, 3, false}}));

  doc.tables = {Rows(41), Rows(1)};  // 100 + 70 + 820 = 990: no room for 70 + a row
  pages = PaginateDocument(doc, kMetrics);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(Slices(pages[0]), (S{{0, 0, 41, false}}));
  EXPECT_EQ(Slices(pages[1]), (S{{1, 0, 1, false}}));
}

TEST(PrintPages, EveryDocumentEndsEvenWhenARowIsTallerThanThePage) {
  PrintDocument empty;
  auto pages = PaginateDocument(empty, kMetrics);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(pages[0].withTitle);
  EXPECT_TRUE(pages[0].slices.empty());

  PrintDocument doc;
  doc.tables = {Rows(3)};
  auto tall = PaginateDocument(doc, PageMetrics{100, 50, 10, 500, 5});
  ASSERT_EQ(tall.size(), 4u);  // the title page, then one row a page
  EXPECT_TRUE(tall[0].slices.empty());
  for (int p = 1; p <= 3; ++p) EXPECT_EQ(tall[p].slices.at(0).endRow - tall[p].slices.at(0).firstRow, 1);

  auto flat = PaginateDocument(doc, PageMetrics{100, 0, 0, 0, 0});
  ASSERT_EQ(flat.size(), 1u);
  EXPECT_EQ(flat[0].slices.at(0).endRow, 3);
}

}  // namespace
}  // namespace zq
