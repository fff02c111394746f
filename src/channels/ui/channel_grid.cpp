#include "channels/ui/channel_grid.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "channels/ui/frequency_edit_box.h"
#include "platform/qt/window_placement.h"

namespace zq {
namespace {

constexpr int kHeaderHeight = 510 / kTwipsPerPixel;
constexpr int kNumberWidth = 500 / kTwipsPerPixel;
constexpr int kFrequencyWidth = 1260 / kTwipsPerPixel;
constexpr int kWideFrequencyWidth = 1520 / kTwipsPerPixel;
constexpr int kRowHeight = 270 / kTwipsPerPixel;
constexpr int kShownRows = 16;

}  // namespace

ChannelGrid::ChannelGrid(QWidget* parent) : QTableWidget(0, 2, parent), editBox_(new FrequencyEditBox(viewport())) {
  setObjectName("channelGrid");
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setMinimumHeight(kHeaderHeight + kShownRows * kRowHeight + 2 * frameWidth());
  horizontalHeader()->setFixedHeight(kHeaderHeight);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setMinimumSectionSize(kNumberWidth);
  setColumnWidth(kNumberColumn, kNumberWidth);
  setColumnWidth(kFrequencyColumn, kFrequencyWidth);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setHorizontalHeaderItem(kNumberColumn, new QTableWidgetItem);
  setHorizontalHeaderItem(kFrequencyColumn, new QTableWidgetItem);
  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
    if (row >= 0 && row != previousRow) emit rowEntered(row + 1);
  });
}

// The number column is as wide as the radio's layout asks, or as its header text needs.
void ChannelGrid::SetHeaderTexts(const QString& number, const QString& frequency) {
  horizontalHeaderItem(kNumberColumn)->setText(number);
  horizontalHeaderItem(kFrequencyColumn)->setText(frequency);
  int headerText = horizontalHeader()->fontMetrics().horizontalAdvance(number) + 8;
  setColumnWidth(kNumberColumn, std::max(kNumberWidth, headerText));
  FitWidth();
}

void ChannelGrid::FitWidth() {
  setFixedWidth(columnWidth(kNumberColumn) + columnWidth(kFrequencyColumn) + verticalScrollBar()->sizeHint().width() +
                2 * frameWidth());
}

QTableWidgetItem* ChannelGrid::CellItem(int row, int column) {
  QTableWidgetItem* cell = item(row - 1, column);
  if (cell == nullptr) {
    cell = new QTableWidgetItem;
    cell->setTextAlignment(Qt::AlignCenter);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    setItem(row - 1, column, cell);
  }
  return cell;
}

void ChannelGrid::SetRows(const std::vector<std::string>& labels, bool wideFrequencyColumn) {
  HideEditBox();
  QSignalBlocker quiet(this);
  setRowCount(static_cast<int>(labels.size()));
  QStringList rowHeaders;
  for (int row = 1; row <= rowCount(); ++row) {
    rowHeaders << QString::fromStdString(labels[row - 1]);
    CellItem(row, kNumberColumn)->setText(rowHeaders.back());
  }
  // The hidden row header still tells assistive technology which channel a cell belongs to.
  setVerticalHeaderLabels(rowHeaders);
  setColumnWidth(kFrequencyColumn, wideFrequencyColumn ? kWideFrequencyWidth : kFrequencyWidth);
  FitWidth();
}

void ChannelGrid::SetFrequencies(const std::vector<std::string>& frequencies) {
  for (int row = 1; row <= rowCount() && row <= static_cast<int>(frequencies.size()); ++row)
    CellItem(row, kFrequencyColumn)->setText(QString::fromStdString(frequencies[row - 1]));
}

QString ChannelGrid::Frequency(int row) const {
  const QTableWidgetItem* cell = item(row - 1, kFrequencyColumn);
  return cell ? cell->text() : QString();
}

QString ChannelGrid::Label(int row) const {
  const QTableWidgetItem* cell = item(row - 1, kNumberColumn);
  return cell ? cell->text() : QString();
}

void ChannelGrid::SelectCell(int row, int column) {
  if (row < 1 || row > rowCount()) return;
  setCurrentCell(row - 1, column);
  scrollToItem(item(row - 1, column));
}

void ChannelGrid::ShowEditBox(int row) {
  editRow_ = row;
  editBox_->setText(Frequency(row));
  PlaceEditBox();
  editBox_->show();
  editBox_->selectAll();
  editBox_->setFocus(Qt::OtherFocusReason);
}

// The grid takes the focus back first: a focused box that is hidden would pass
// the focus on by itself, and that is no commit nor a move.
void ChannelGrid::HideEditBox() {
  editRow_ = 0;
  QSignalBlocker quiet(editBox_);
  if (editBox_->hasFocus()) setFocus(Qt::OtherFocusReason);
  editBox_->hide();
}

bool ChannelGrid::IsEditing() const { return editBox_->isVisible(); }

void ChannelGrid::PlaceEditBox() {
  if (editRow_ >= 1) editBox_->setGeometry(visualRect(model()->index(editRow_ - 1, kFrequencyColumn)));
}

void ChannelGrid::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  PlaceEditBox();
}

// Return, Enter and F2 open the frequency box; a digit typed on the cell opens it
// too and starts the new value, as in a spreadsheet.
void ChannelGrid::keyPressEvent(QKeyEvent* event) {
  const bool onFrequency = currentRow() >= 0 && currentColumn() == kFrequencyColumn;
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) {
    if (onFrequency) emit editRequested(currentRow() + 1);
    return;
  }
  if (onFrequency && event->modifiers() == Qt::NoModifier && event->text().size() == 1 && event->text()[0].isDigit()) {
    emit editRequested(currentRow() + 1);
    if (IsEditing()) QCoreApplication::sendEvent(editBox_, event);  // the box opens with its text selected
    return;
  }
  QTableWidget::keyPressEvent(event);
}

void ChannelGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && index.column() == kFrequencyColumn) {
    setCurrentCell(index.row(), index.column());
    emit editRequested(index.row() + 1);
    return;
  }
  QTableWidget::mouseDoubleClickEvent(event);
}

void ChannelGrid::mousePressEvent(QMouseEvent* event) {
  QModelIndex index = indexAt(event->position().toPoint());
  if (event->button() == Qt::RightButton && index.isValid()) {
    setCurrentCell(index.row(), index.column());
    emit rowMenuRequested(index.row() + 1, event->globalPosition().toPoint());
    return;
  }
  QTableWidget::mousePressEvent(event);
}

}  // namespace zq
