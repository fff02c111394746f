#pragma once
// Window handlers never let an error escape into the event loop: an unexpected
// error shows a message box whose text is the handler's name, and the
// configuration is left as it was before the handler ran.
//
// A guarded handler is also where a user action ends. Handlers nest (a click
// whose handler commits a pending edit, a dialog whose events run inside the
// command that opened it); when the outermost one returns, the action
// observer hears of it: the main window records an undo step there.
#include <QString>
#include <exception>
#include <utility>

#include "widgets/prompter.h"

namespace zq {

class ActionObserver {
 public:
  virtual ~ActionObserver() = default;
  // The outermost guarded handler has returned.
  virtual void ActionEnded() = 0;
};

// The observer every guarded handler reports to; none at first.
void SetActionObserver(ActionObserver* observer);
ActionObserver* CurrentActionObserver();

// Marks the time a handler runs; the last one to end ends the user action.
class ActionScope {
 public:
  ActionScope();
  ~ActionScope();
  ActionScope(const ActionScope&) = delete;
  ActionScope& operator=(const ActionScope&) = delete;
};

// Shows the handler's name and keeps the cause in the diagnostic log; false.
bool HandlerFailed(QWidget* parent, const char* handlerName, const char* cause);

template <class F>
bool Guarded(QWidget* parent, const char* handlerName, F&& handler) {
  ActionScope action;
  try {
    std::forward<F>(handler)();
    return true;
  } catch (const std::exception& error) {
    return HandlerFailed(parent, handlerName, error.what());
  } catch (...) {
    return HandlerFailed(parent, handlerName, "an error of unknown kind");
  }
}

// As Guarded, and puts `data` back as it was when the handler fails half-way,
// before the action ends.
template <class Data, class F>
bool GuardedEdit(QWidget* parent, const char* handlerName, Data& data, F&& handler) {
  ActionScope action;
  Data before = data;
  bool ok = Guarded(parent, handlerName, std::forward<F>(handler));
  if (!ok) data = std::move(before);
  return ok;
}

}  // namespace zq
