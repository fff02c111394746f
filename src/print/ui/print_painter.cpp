#include "print/ui/print_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

#include "widgets/ui_text.h"

namespace zq {
namespace {

constexpr int kTitlePoints = 14;
constexpr int kHeadingPoints = 10;
constexpr int kTextPoints = 8;

QFont PrintFont(int points, bool bold, QPaintDevice& device) {
  QFont font(QGuiApplication::font(), &device);
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}

struct Fonts {
  explicit Fonts(QPaintDevice& device)
      : title(PrintFont(kTitlePoints, true, device)),
        heading(PrintFont(kHeadingPoints, true, device)),
        text(PrintFont(kTextPoints, false, device)),
        header(PrintFont(kTextPoints, true, device)) {}
  QFont title, heading, text, header;
};

class PagePainter {
 public:
  PagePainter(const PrintDocument& doc, QPagedPaintDevice& device, QPainter& painter, int language)
      : doc_(doc), device_(device), p_(painter), language_(language), fonts_(device) {
    QFontMetrics text(fonts_.text, &device_);
    padding_ = text.averageCharWidth() / 2;
    footerHeight_ = text.height() * 2;
    metrics_.rowHeight = text.height() * 4 / 3;
    metrics_.headingHeight = QFontMetrics(fonts_.heading, &device_).height() * 3 / 2;
    metrics_.tableGap = metrics_.rowHeight;
    metrics_.titleHeight = QFontMetrics(fonts_.title, &device_).height() * 3 / 2 +
                           static_cast<int>(doc_.notes.size()) * text.height() * 5 / 4;
    metrics_.bodyHeight = device_.height() - footerHeight_;
    for (const PrintTable& table : doc_.tables) widths_.push_back(ColumnWidths(table));
  }

  const PageMetrics& metrics() const { return metrics_; }

  void Paint(const std::vector<PrintPage>& pages) {
    for (std::size_t n = 0; n < pages.size(); ++n) {
      if (n > 0) device_.newPage();
      int y = 0;
      if (pages[n].withTitle) y = PaintTitle();
      for (const PageSlice& slice : pages[n].slices) y = PaintSlice(slice, y);
      PaintFooter(static_cast<int>(n) + 1, static_cast<int>(pages.size()));
    }
  }

 private:
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
    const long long page = device_.width();
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
    return metrics_.titleHeight;
  }

  int PaintSlice(const PageSlice& slice, int y) {
    if (y > 0) y += metrics_.tableGap;
    const PrintTable& table = doc_.tables[slice.table];
    QString heading = QUtf8(table.heading);
    if (slice.continued) heading += QText(Txt::PrintContinued, language_);
    p_.setFont(fonts_.heading);
    p_.drawText(QRect(0, y, device_.width(), metrics_.headingHeight), Qt::AlignLeft | Qt::AlignVCenter, heading);
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
    QString footer = QUtf8(FillIn(Text(Txt::PrintPageFooter, language_), {std::to_string(page), std::to_string(pages)}));
    p_.drawText(QRect(0, device_.height() - footerHeight_, device_.width(), footerHeight_),
                Qt::AlignHCenter | Qt::AlignBottom, footer);
  }

  const PrintDocument& doc_;
  QPagedPaintDevice& device_;
  QPainter& p_;
  int language_;
  Fonts fonts_;
  int padding_ = 0;
  int footerHeight_ = 0;
  PageMetrics metrics_;
  std::vector<std::vector<int>> widths_;
};

}  // namespace

PaintedDocument PaintDocument(const PrintDocument& doc, QPagedPaintDevice& device, int language) {
  PaintedDocument painted;
  QPainter painter;
  if (!painter.begin(&device)) return painted;
  painter.setPen(QPen(Qt::black, 0));
  PagePainter pages(doc, device, painter, language);
  painted.metrics = pages.metrics();
  painted.pages = PaginateDocument(doc, painted.metrics);
  pages.Paint(painted.pages);
  painted.ok = painter.end();
  return painted;
}

}  // namespace zq
