#pragma once
// Base of every editor child window (channel table, option features, DTMF, ...).
// The main window talks to its editors through these hooks only.
#include <QWidget>

#include "config/band_layout.h"

namespace zq {

// On the editors' forms, between a label and the list it names: 100 twips.
inline constexpr int kLabelGap = 7;

class EditorWindow : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

  // Reapply every caption and list text in the current language.
  virtual void ApplyLanguage() {}
  // Store the value being edited, as when the focus leaves it (before a write to the radio).
  virtual void CommitPendingEdit() {}
  // The DTMF codes or roger-beep presets changed: rebuild the lists that offer them.
  virtual void ReferencesChanged() {}
  // The configuration changed behind the window (an undo or redo): show it again.
  virtual void Reload() {}
  // Choices the window keeps to itself until its Save (the emergency, dual-watch
  // and memory windows): Undo takes them back before any stored step, so that
  // none is dropped unseen.
  virtual bool HoldsUnsavedChoices() const { return false; }
  // Brings a channel place into view (after an undo or redo): the band, its
  // group when not 0, its row when not 0. Only the channel window has places.
  virtual void ShowChannel(BandGroup /*group*/, int /*row*/) {}
  virtual void DropUnsavedChoices() {}
};

}  // namespace zq
