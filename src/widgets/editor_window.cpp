// The editors' base has no code of its own; this file gives it its meta-object.
#include "widgets/editor_window.h"
