#pragma once
// The "&OK" and "&Cancel" buttons of the program's dialog windows, in the
// current language, at the right of a row; OK accepts and is the default.
class QDialog;
class QHBoxLayout;

namespace zq {

// The row of buttons; `accept` false leaves OK unconnected for a dialog that
// checks its entries first (connect the button named "ok" yourself).
QHBoxLayout* OkCancelRow(QDialog& dialog, int language, bool accept = true);

}  // namespace zq
