#pragma once
// FrmCompare: where two configurations differ, in a window. Above the list it
// names the old and the new configuration; each row is a member with its old
// and new value. The list can be printed or kept as a PDF file.
#include <QDialog>
#include <string>
#include <vector>

#include "channels/difference_labels.h"
#include "datafile/config_differences.h"

class QTableWidget;

namespace zq {

class frmMain;

class FrmCompare : public QDialog {
  Q_OBJECT
 public:
  FrmCompare(std::vector<MemberDifference> list, std::string beforeName, std::string afterName, frmMain& main);

  QTableWidget* table() const { return table_; }
  const std::vector<MemberDifference>& differences() const { return list_; }

 private:
  void FillTable();
  QString PdfName() const;

  frmMain& main_;
  std::vector<MemberDifference> list_;
  std::vector<LabelledDifference> labelled_;
  std::string beforeName_, afterName_;
  QTableWidget* table_ = nullptr;
};

}  // namespace zq
