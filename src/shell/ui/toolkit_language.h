#pragma once
// The toolkit's own texts (file and print dialogs, standard buttons, the
// context menus of text boxes) in the language the program speaks. Our texts
// come from the language table; the toolkit's come from its translations as
// the system installed them (Debian: qt6-translations-l10n). Without them the
// toolkit's texts stay English.

namespace zq {

void UseToolkitLanguage(int language);

}  // namespace zq
