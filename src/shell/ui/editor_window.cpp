// The editors' base has no code of its own; this file gives it its meta-object.
#include "shell/ui/editor_window.h"
