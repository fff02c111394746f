#pragma once
// The main window's list-edit menu: Copy, Cut, Paste, Insert&Paste and Delete
// of channel rows, with the one-record clipboard they share. The channel
// editor pops it up over a grid row and says what a chosen command works on.
// The clipboard belongs to the main window, so a copied channel survives
// closing the editor, a new document or a file opened in between.
#include <QMenu>
#include <functional>
#include <map>

#include "channels/row_command_table.h"

namespace zq {

class ListEditMenu : public QMenu {
  Q_OBJECT
 public:
  explicit ListEditMenu(QWidget* parent);

  void ApplyLanguage(int language);
  // Shows the menu at `globalPos`; a command chosen from it runs `run`.
  void PopUp(const QPoint& globalPos, std::function<void(RowCommand)> run);

  QAction* action(RowCommand command) const { return actions_.at(command); }
  RowClipboard& clipboard() { return clipboard_; }

 private:
  std::map<RowCommand, QAction*> actions_;
  std::function<void(RowCommand)> run_;
  RowClipboard clipboard_;
};

}  // namespace zq
