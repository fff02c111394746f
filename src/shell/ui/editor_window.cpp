// The editors' base class has signals and slots of its own: this file gives
// its header a translation unit, so its meta-object code is generated and linked.
#include "shell/ui/editor_window.h"
