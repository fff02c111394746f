#pragma once
// Handing over to the installed release that handles another version.
#include <string>

namespace zq {

class frmMain;

// Starts the release that handles `version` and ends this program. When no
// such release is installed the user is told so and the program runs on.
// With `offerToSave`, unsaved changes are offered for saving first (a Cancel
// there keeps this program running).
void StartMatchingRelease(frmMain& main, const std::string& version, bool offerToSave);

}  // namespace zq
