#include "options/ui/choice_combo.h"

#include <QSignalBlocker>

#include "widgets/ui_text.h"

namespace zq {

QComboBox* NewChoiceList(const QString& objectName, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(objectName);
  combo->setMaxVisibleItems(20);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  // Never narrower than its longest entry, also when a scroll area squeezes the window.
  combo->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
  return combo;
}

void FillChoices(QComboBox* combo, const Choices& choices) {
  QSignalBlocker quiet(combo);
  combo->clear();
  for (const Choice& choice : choices) combo->addItem(QUtf8(choice.text), choice.value);
}

void SelectStored(QComboBox* combo, long long stored) {
  QSignalBlocker quiet(combo);
  int index = combo->findData(static_cast<int>(stored));
  combo->setCurrentIndex(index >= 0 ? index : 0);
}

int ChosenValue(const QComboBox* combo) { return combo->currentData().toInt(); }

}  // namespace zq
