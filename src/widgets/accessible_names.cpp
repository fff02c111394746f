#include "widgets/accessible_names.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QSet>

namespace zq {
namespace {

// A field may sit in a row of its own inside the cell (a number box and its unit).
QWidget* WidgetIn(QLayoutItem* item) {
  if (item && !item->widget() && item->layout() && item->layout()->count() > 0) item = item->layout()->itemAt(0);
  return item ? item->widget() : nullptr;
}

class LabelPairing {
 public:
  explicit LabelPairing(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>())
      if (label->buddy()) labelled_.insert(label->buddy());
  }

  void Pair(QLayoutItem* first, QLayoutItem* second) {
    auto* label = qobject_cast<QLabel*>(WidgetIn(first));
    QWidget* field = WidgetIn(second);
    if (!label || label->buddy() || !TakesLabel(field)) return;
    label->setBuddy(field);
    labelled_.insert(field);
  }

 private:
  bool TakesLabel(QWidget* field) const {
    return field && (field->focusPolicy() & Qt::TabFocus) && !qobject_cast<QLabel*>(field) &&
           !qobject_cast<QAbstractButton*>(field) && !labelled_.contains(field);
  }

  QSet<QWidget*> labelled_;
};

}  // namespace

void BuddyLabelsOf(QWidget& window) {
  LabelPairing pairing(window);
  for (QGridLayout* grid : window.findChildren<QGridLayout*>())
    for (int row = 0; row < grid->rowCount(); ++row)
      for (int column = 0; column + 1 < grid->columnCount(); ++column)
        pairing.Pair(grid->itemAtPosition(row, column), grid->itemAtPosition(row, column + 1));
  for (QBoxLayout* box : window.findChildren<QBoxLayout*>())
    for (int k = 0; k + 1 < box->count(); ++k) pairing.Pair(box->itemAt(k), box->itemAt(k + 1));
}

}  // namespace zq
