#pragma once
// The "Close" button of an editor: closes the child window the editor lives
// in, as the window's own close button does.
#include <QMdiSubWindow>

namespace zq {

inline void CloseEditorWindow(QWidget* editor) {
  if (auto* window = qobject_cast<QMdiSubWindow*>(editor->parentWidget()))
    window->close();
  else
    editor->close();
}

}  // namespace zq
