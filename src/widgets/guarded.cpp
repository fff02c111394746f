#include "widgets/guarded.h"

namespace zq {
namespace {

ActionObserver* g_observer = nullptr;
int g_depth = 0;  // guarded handlers running, one inside the other

}  // namespace

void SetActionObserver(ActionObserver* observer) { g_observer = observer; }

ActionObserver* CurrentActionObserver() { return g_observer; }

ActionScope::ActionScope() { ++g_depth; }

// The observer runs as part of the action, so the guarded handlers it runs
// itself do not end another one.
ActionScope::~ActionScope() {
  if (g_depth > 1 || g_observer == nullptr) {
    --g_depth;
    return;
  }
  try {
    g_observer->ActionEnded();
  } catch (...) {  // the observer reports its own failures; none may leave a destructor
  }
  --g_depth;
}

}  // namespace zq
