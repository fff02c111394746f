#include "widgets/guarded.h"

#include <string>

#include "platform/diagnostic_log.h"

namespace zq {
namespace {

ActionObserver* g_observer = nullptr;
int g_depth = 0;  // guarded handlers running, one inside the other

}  // namespace

bool HandlerFailed(QWidget* parent, const char* handlerName, const char* cause) {
  LogDiagnostic(std::string(handlerName) + " failed: " + cause);
  Tell(parent, QString::fromLatin1(handlerName), Icon::Error);
  return false;
}

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
