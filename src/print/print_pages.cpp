#include "print/print_pages.h"

#include <algorithm>

namespace zq {
namespace {

class PageFiller {
 public:
  explicit PageFiller(const PageMetrics& m) : m_(m) {
    pages_.push_back({true, {}});
    used_ = m_.titleHeight;
  }

  void AddTable(int index, const PrintTable& table) {
    const int rows = static_cast<int>(table.rows.size());
    const int headerRow = table.columns.empty() ? 0 : m_.rowHeight;
    int row = 0;
    do {
      int top = m_.headingHeight + headerRow + (PageIsEmpty() ? 0 : m_.tableGap);
      int fitting = m_.rowHeight > 0 ? std::max(0, (m_.bodyHeight - used_ - top) / m_.rowHeight) : rows;
      int wanted = std::min(1, rows - row);  // the heading goes with at least one row
      bool roomForTop = used_ + top <= m_.bodyHeight;
      if ((!roomForTop || fitting < wanted) && !PageIsEmpty()) {
        NewPage();
        continue;
      }
      int taken = std::max(wanted, std::min(fitting, rows - row));
      pages_.back().slices.push_back({index, row, row + taken, row > 0});
      used_ += top + taken * m_.rowHeight;
      row += taken;
      if (row < rows) NewPage();
    } while (row < rows);
  }

  std::vector<PrintPage> Pages() && { return std::move(pages_); }

 private:
  bool PageIsEmpty() const { return !pages_.back().withTitle && pages_.back().slices.empty(); }
  void NewPage() {
    pages_.push_back({false, {}});
    used_ = 0;
  }

  const PageMetrics& m_;
  std::vector<PrintPage> pages_;
  int used_ = 0;
};

}  // namespace

std::vector<PrintPage> PaginateDocument(const PrintDocument& doc, const PageMetrics& metrics) {
  PageFiller filler(metrics);
  for (std::size_t t = 0; t < doc.tables.size(); ++t) filler.AddTable(static_cast<int>(t), doc.tables[t]);
  return std::move(filler).Pages();
}

}  // namespace zq
