// EditorWindow has no code of its own; this file makes the build generate its
// meta-object, which every editor window derives from.
#include "shell/ui/editor_window.h"
