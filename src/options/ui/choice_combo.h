#pragma once
// Choice lists on screen: each entry carries the value the configuration
// stores for it, so showing and storing never depend on the entry's position.
#include <QComboBox>

#include "options/choice_entries.h"

namespace zq {

QComboBox* NewChoiceList(const QString& objectName, QWidget* parent);

// Replaces the entries; the first one is selected.
void FillChoices(QComboBox* combo, const Choices& choices);

// Selects the entry that stores `stored`; the first entry when none does, so a
// value outside the list shows as the first entry and stays stored until the user picks.
void SelectStored(QComboBox* combo, long long stored);

// The value the selected entry stores.
int ChosenValue(const QComboBox* combo);

}  // namespace zq
