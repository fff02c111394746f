#pragma once
// Names for assistive technology. A field is announced by the label the user
// sees beside it: with the label as its buddy, Qt gives the field the label's
// text as its name (and, on Linux, the "labelled by" relation), and since every
// window sets its labels again when the language changes, the names follow.
class QWidget;

namespace zq {

// Throughout the window, makes each label without a buddy the buddy of the
// field that follows it in its grid row or box layout. Buttons and check boxes
// are left alone: their own captions name them.
void BuddyLabelsOf(QWidget& window);

}  // namespace zq
