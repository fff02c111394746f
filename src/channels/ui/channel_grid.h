#pragma once
// The two-column channel grid: row labels and frequencies of one group, with
// the box a frequency is typed into laid over a cell. Grid rows count from 1
// (the header row is row 0); the frequency column is column 1.
#include <QTableWidget>
#include <string>
#include <vector>

namespace zq {

class FrequencyEditBox;

inline constexpr int kNumberColumn = 0;
inline constexpr int kFrequencyColumn = 1;

class ChannelGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit ChannelGrid(QWidget* parent);

  void SetHeaderTexts(const QString& number, const QString& frequency);
  // Rows and their labels; the wide frequency column is for the long groups.
  void SetRows(const std::vector<std::string>& labels, bool wideFrequencyColumn);
  void SetFrequencies(const std::vector<std::string>& frequencies);
  QString Frequency(int row) const;
  QString Label(int row) const;

  int CurrentRow() const { return currentRow() + 1; }
  int CurrentColumn() const { return currentColumn(); }
  void SelectCell(int row, int column);
  int RowCount() const { return rowCount(); }

  FrequencyEditBox* editBox() const { return editBox_; }
  // Lays the edit box over the frequency cell of `row`, filled with the cell's text, fully selected.
  void ShowEditBox(int row);
  void HideEditBox();
  bool IsEditing() const;
  int EditRow() const { return editRow_; }

 signals:
  // Enter on a frequency cell, or a double click on one.
  void editRequested(int row);
  void rowEntered(int row);
  void rowMenuRequested(int row, const QPoint& globalPos);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTableWidgetItem* CellItem(int row, int column);
  void PlaceEditBox();
  void FitWidth();

  FrequencyEditBox* editBox_;
  int editRow_ = 0;
};

}  // namespace zq
