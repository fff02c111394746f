#pragma once
// Window handlers never let an error escape into the event loop: an unexpected
// error shows a message box whose text is the handler's name, and the
// configuration is left as it was before the handler ran.
#include <QString>
#include <exception>
#include <utility>

#include "widgets/prompter.h"

namespace zq {

template <class F>
bool Guarded(QWidget* parent, const char* handlerName, F&& handler) {
  try {
    std::forward<F>(handler)();
    return true;
  } catch (...) {
    Tell(parent, QString::fromLatin1(handlerName), Icon::Error);
    return false;
  }
}

// As Guarded, and puts `data` back as it was when the handler fails half-way.
template <class Data, class F>
bool GuardedEdit(QWidget* parent, const char* handlerName, Data& data, F&& handler) {
  Data before = data;
  bool ok = Guarded(parent, handlerName, std::forward<F>(handler));
  if (!ok) data = std::move(before);
  return ok;
}

}  // namespace zq
