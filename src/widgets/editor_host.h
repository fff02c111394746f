#pragma once
// What an editor needs of the window that hosts it: the configuration and the
// language it shows, what the last radio said about itself, the band the user
// works in, and a few notices to the other open editors. The main window
// implements it; editors never see the main window itself.
#include "config/radio_config.h"

class QString;
class QWidget;

namespace zq {

class EditorHost {
 public:
  virtual ~EditorHost() = default;

  virtual RadioConfig& Config() = 0;
  virtual int Language() const = 0;
  // The last radio read or written can work the HF and HAM bands.
  virtual bool HfCapable() const = 0;
  // The band the user works in (0 CB, 1 HF, 2 HAM): the one the channel editor
  // shows, or showed last before it was closed; CB before it has shown any.
  virtual Band CurrentBand() const = 0;
  // The channel editor shows a band.
  virtual void BandShown(Band band) = 0;
  // The DTMF codes or roger-beep presets changed: open editors rebuild the lists that offer them.
  virtual void BroadcastReferencesChanged() = 0;
  // Channel tables were rewritten behind the channel editor's back: it shows them anew.
  virtual void ChannelTablesRewritten() = 0;
  // The window editors' message boxes and menus belong to.
  virtual QWidget* HostWindow() = 0;
  // Where the editors' file dialogs start: the data file's folder, or the
  // user's documents for an untitled document.
  virtual QString DocumentFolder() const = 0;
};

}  // namespace zq
