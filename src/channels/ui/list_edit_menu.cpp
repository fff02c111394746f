#include "channels/ui/list_edit_menu.h"

#include "widgets/ui_text.h"

namespace zq {

ListEditMenu::ListEditMenu(QWidget* parent) : QMenu(parent) {
  setObjectName("listEditMenu");
  for (const RowCommandDef& def : RowCommandTable()) {
    QAction* a = addAction(QString());
    a->setObjectName(QString::fromLatin1("listEdit_%1").arg(static_cast<int>(def.id)));
    RowCommand id = def.id;
    connect(a, &QAction::triggered, this, [this, id] {
      if (run_) run_(id);
    });
    actions_[def.id] = a;
  }
}

void ListEditMenu::ApplyLanguage(int language) {
  // "Insert&Paste" is a caption, not a mnemonic: the ampersand is shown.
  for (const RowCommandDef& def : RowCommandTable())
    actions_.at(def.id)->setText(QText(def.caption, language).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

void ListEditMenu::PopUp(const QPoint& globalPos, std::function<void(RowCommand)> run) {
  run_ = std::move(run);
  popup(globalPos);
}

}  // namespace zq
