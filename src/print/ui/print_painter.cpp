#include "print/ui/print_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <optional>

#include "widgets/ui_text.h"

namespace zq {
namespace {

constexpr int kTitlePoints = 14;
constexpr int kHeadingPoints = 10;
constexpr int kTextPoints = 8;

// The smallest text a sheet shrinks to before it takes a second page.
constexpr int kSmallestSheetPoints = 4;
constexpr int kMostSheetColumns = 3;

QFont PrintFont(int points, bool bold, QPaintDevice& device, bool plainGlyphs = false) {
  QFont font(QGuiApplication::font(), &device);
  font.setPointSize(points);
  font.setBold(bold);
  // Without ligatures a sheet's text is found and copied as it was written ("fi", not one glyph).
  if (plainGlyphs) font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

// The title and headings keep their steps above the text when a sheet shrinks it.
struct Fonts {
  Fonts(QPaintDevice& device, int textPoints, bool sheet)
      : title(PrintFont(textPoints + kTitlePoints - kTextPoints, true, device, sheet)),
        heading(PrintFont(textPoints + kHeadingPoints - kTextPoints, true, device, sheet)),
        text(PrintFont(textPoints, false, device, sheet)),
        header(PrintFont(textPoints, true, device, sheet)) {}
  QFont title, heading, text, header;
};

// How the tables go onto paper: a printout page after page at the usual
// size; a sheet in columns side by side under the title, smaller as needed.
struct Layout {
  int textPoints = kTextPoints;
  int columns = 1;
  bool sheet = false;
};

class PagePainter {
 public:
  PagePainter(const PrintDocument& doc, QPagedPaintDevice& device, QPainter& painter, int language,
              const Layout& layout = {})
      : doc_(doc),
        device_(device),
        p_(painter),
        language_(language),
        layout_(layout),
        fonts_(device, layout.textPoints, layout.sheet) {
    QFontMetrics text(fonts_.text, &device_);
    padding_ = text.averageCharWidth() / 2;
    footerHeight_ = layout_.sheet ? 0 : text.height() * 2;
    gap_ = layout_.columns > 1 ? text.averageCharWidth() * 2 : 0;
    width_ = (device_.width() - gap_ * (layout_.columns - 1)) / layout_.columns;
    metrics_.rowHeight = text.height() * 4 / 3;
    metrics_.headingHeight = QFontMetrics(fonts_.heading, &device_).height() * 3 / 2;
    metrics_.tableGap = metrics_.rowHeight;
    titleHeight_ = QFontMetrics(fonts_.title, &device_).height() * 3 / 2 +
                   static_cast<int>(doc_.notes.size()) * text.height() * 5 / 4;
    // A sheet's title spans every column of its page: each column is a "page" below it.
    metrics_.titleHeight = layout_.sheet ? 0 : titleHeight_;
    metrics_.bodyHeight = device_.height() - footerHeight_ - (layout_.sheet ? titleHeight_ : 0);
    for (const PrintTable& table : doc_.tables) widths_.push_back(ColumnWidths(table));
  }

  const PageMetrics& metrics() const { return metrics_; }

  void Paint(const std::vector<PrintPage>& pages) {
    if (layout_.sheet) return PaintSheet(pages);
    for (std::size_t n = 0; n < pages.size(); ++n) {
      if (n > 0) device_.newPage();
      int y = 0;
      if (pages[n].withTitle) y = PaintTitle();
      for (const PageSlice& slice : pages[n].slices) y = PaintSlice(slice, y);
      PaintFooter(static_cast<int>(n) + 1, static_cast<int>(pages.size()));
    }
  }

 private:
  // The columns of a sheet, left to right under the title; a sheet too full
  // even at its smallest text goes on on a further page.
  void PaintSheet(const std::vector<PrintPage>& columns) {
    const int top = PaintTitle();
    for (std::size_t n = 0; n < columns.size(); ++n) {
      const int column = static_cast<int>(n) % layout_.columns;
      if (n > 0 && column == 0) device_.newPage();
      p_.save();
      p_.translate(column * (width_ + gap_), n < static_cast<std::size_t>(layout_.columns) ? top : 0);
      int y = 0;
      for (const PageSlice& slice : columns[n].slices) y = PaintSlice(slice, y);
      p_.restore();
    }
  }

  // Each column as wide as its widest text, the table then stretched or
  // shrunk to the width of the page; texts too long for a shrunk column are cut.
  std::vector<int> ColumnWidths(const PrintTable& table) const {
    std::size_t count = table.columns.size();
    for (const auto& row : table.rows) count = std::max(count, row.size());
    std::vector<int> widths(count, 1);
    QFontMetrics header(fonts_.header, &device_), text(fonts_.text, &device_);
    for (std::size_t c = 0; c < table.columns.size(); ++c)
      widths[c] = std::max(widths[c], header.horizontalAdvance(QUtf8(table.columns[c])));
    for (const auto& row : table.rows)
      for (std::size_t c = 0; c < row.size(); ++c)
        widths[c] = std::max(widths[c], text.horizontalAdvance(QUtf8(row[c])));
    long long natural = 0;
    for (int& w : widths) natural += (w += 2 * padding_);
    const long long page = width_;
    const long long columns = static_cast<long long>(widths.size());
    long long given = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
      // Room to spare goes to every column alike; too little is taken from each in proportion.
      long long width = natural <= page ? widths[c] + (page - natural) / columns : widths[c] * page / natural;
      widths[c] = static_cast<int>(c + 1 == widths.size() ? page - given : width);
      given += widths[c];
    }
    return widths;
  }

  int PaintTitle() {
    int y = 0;
    QFontMetrics title(fonts_.title, &device_);
    p_.setFont(fonts_.title);
    p_.drawText(QRect(0, y, device_.width(), title.height()), Qt::AlignLeft | Qt::AlignVCenter, QUtf8(doc_.title));
    y += title.height() * 3 / 2;
    QFontMetrics text(fonts_.text, &device_);
    p_.setFont(fonts_.text);
    for (const std::string& note : doc_.notes) {
      p_.drawText(QRect(0, y, device_.width(), text.height()), Qt::AlignLeft | Qt::AlignVCenter, QUtf8(note));
      y += text.height() * 5 / 4;
    }
    return titleHeight_;
  }

  int PaintSlice(const PageSlice& slice, int y) {
    if (y > 0) y += metrics_.tableGap;
    const PrintTable& table = doc_.tables[slice.table];
    QString heading = QUtf8(table.heading);
    if (slice.continued) heading += QText(Txt::PrintContinued, language_);
    p_.setFont(fonts_.heading);
    p_.drawText(QRect(0, y, width_, metrics_.headingHeight), Qt::AlignLeft | Qt::AlignVCenter, heading);
    y += metrics_.headingHeight;
    const std::vector<int>& widths = widths_[slice.table];
    if (!table.columns.empty()) y = PaintRow(table.columns, widths, y, true);
    for (int r = slice.firstRow; r < slice.endRow; ++r) y = PaintRow(table.rows[r], widths, y, false);
    return y;
  }

  int PaintRow(const std::vector<std::string>& cells, const std::vector<int>& widths, int y, bool header) {
    const QFont& font = header ? fonts_.header : fonts_.text;
    QFontMetrics metrics(font, &device_);
    p_.setFont(font);
    int x = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
      QRect cell(x, y, widths[c], metrics_.rowHeight);
      if (header) p_.fillRect(cell, QColor(225, 225, 225));
      p_.drawRect(cell);
      QString text = c < cells.size() ? QUtf8(cells[c]) : QString();
      QRect inside = cell.adjusted(padding_, 0, -padding_, 0);
      p_.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(text, Qt::ElideRight, inside.width()));
      x += widths[c];
    }
    return y + metrics_.rowHeight;
  }

  void PaintFooter(int page, int pages) {
    p_.setFont(fonts_.text);
    QString footer =
        QUtf8(FillIn(Text(Txt::PrintPageFooter, language_), {std::to_string(page), std::to_string(pages)}));
    p_.drawText(QRect(0, device_.height() - footerHeight_, device_.width(), footerHeight_),
                Qt::AlignHCenter | Qt::AlignBottom, footer);
  }

  const PrintDocument& doc_;
  QPagedPaintDevice& device_;
  QPainter& p_;
  int language_;
  Layout layout_;
  Fonts fonts_;
  int padding_ = 0;
  int footerHeight_ = 0;
  int titleHeight_ = 0;
  int gap_ = 0;    // between the columns of a sheet
  int width_ = 0;  // of a table: the page's, or a sheet's column's
  PageMetrics metrics_;
  std::vector<std::vector<int>> widths_;
};

std::vector<Layout> SheetLayouts(const PrintDocument& doc) {
  if (!doc.onePage) return {Layout{}};
  std::vector<Layout> layouts;
  for (int points = kTextPoints; points >= kSmallestSheetPoints; --points)
    for (int columns = 1; columns <= kMostSheetColumns; ++columns) layouts.push_back({points, columns, true});
  return layouts;
}

}  // namespace

PaintedDocument PaintDocument(const PrintDocument& doc, QPagedPaintDevice& device, int language) {
  PaintedDocument painted;
  QPainter painter;
  if (!painter.begin(&device)) return painted;
  painter.setPen(QPen(Qt::black, 0));
  // A sheet takes the largest text at which it fits on one page, in as few columns as that allows.
  std::optional<PagePainter> pages;
  for (Layout layout : SheetLayouts(doc)) {
    pages.emplace(doc, device, painter, language, layout);
    painted.metrics = pages->metrics();
    painted.pages = PaginateDocument(doc, painted.metrics);
    if (static_cast<int>(painted.pages.size()) <= layout.columns) break;
  }
  pages->Paint(painted.pages);
  painted.ok = painter.end();
  return painted;
}

}  // namespace zq
