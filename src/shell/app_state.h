#pragma once
// Everything the running program keeps: the start-up state (configuration,
// document, working copy, settings, version list), plus the memory image, what
// the last radio said about itself and where the program finds its files.
#include <string>

#include "image/memory_image.h"
#include "link/radio_identity.h"
#include "shell/startup_core.h"
#include "text/language_table.h"

namespace zq {

struct AppState : ProgramState {
  InstallLayout layout;
  unsigned systemLocaleId = 0x0409;
  int systemLanguage = kEnglish;
  std::string namedDevice;  // the port's device when it is outside the port-number table
  MemoryImage image;
  RadioIdentity identity;

  int language() const { return settings.language; }
};

}  // namespace zq
