#pragma once
// FrmOptFeatures: the radio-wide settings (timers, squelch, VOX, audio, CW,
// key assignment, display, protection, Bluetooth microphone, allowed modes)
// and each band's common channel parameters. Every choice is stored in the
// configuration at once; the text boxes store when they are left.
#include <span>
#include <vector>

#include "options/option_items.h"
#include "widgets/editor_window.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLayout;
class QLineEdit;

namespace zq {

class FilteredLineEdit;
class EditorHost;

class FrmOptFeatures : public EditorWindow {
  Q_OBJECT
 public:
  explicit FrmOptFeatures(EditorHost& host);

  void ApplyLanguage() override;
  void CommitPendingEdit() override;
  void ReferencesChanged() override;
  void Reload() override;

  // Fills every list again and shows the configuration.
  void ReShowData();
  // The Roger lists of the three frames: OFF and the defined roger-beep presets.
  void ShowRB();
  // The BOT, EOT and CALL lists of the three frames: OFF and the defined DTMF codes.
  void ShowDTMF();
  // Stores the list or check box with this ItemId.
  void SaveOptFeat(int itemId);

 private:
  struct ListControl {
    int itemId;
    ValueRef value;
    OptionList list;
    std::span<const ChoicePiece> pieces;
    QComboBox* combo;
  };
  struct CheckControl {
    int itemId;
    ValueRef value;
    QCheckBox* box;
  };
  struct NumberControl {
    const OptionControl* def;
    FilteredLineEdit* box;
  };
  struct Caption {
    QWidget* widget;
    Txt text;
  };
  struct GridPlace {
    QGridLayout* grid = nullptr;
    int row = 0;
  };

  RadioConfig& cfg();
  int language() const;
  // Whether the channel editor shows the CB band, where the clarifier has only Off and R.
  bool ShowsCbBand() const;

  QWidget* BuildContent();
  QLayout* BuildBandColumn(QWidget* bleFrame);
  QGroupBox* NewFrame(const QString& objectName, Txt caption);
  void AddControl(const OptionControl& def, GridPlace& place);
  void AddList(const OptionControl& def, GridPlace& place);
  void AddCheck(const OptionControl& def, GridPlace& place);
  QLineEdit* NewNumberBox(const OptionControl& def, QWidget* parent);
  QLineEdit* NewNameBox(QWidget* parent);
  void AddTextRow(const OptionControl& def, QLineEdit* box, GridPlace& place);
  void AddLabel(Txt text, const QString& name, GridPlace& place);
  QGroupBox* BuildPublicFrame(const PublicBlock& block);

  void FillLists(OptionList only);
  void FillAllLists();
  void SetCaptions();
  void ShowValues();
  void ShowChoices();
  void ApplyEnableRules();
  void ApplyProtectionRules();

  void StoreList(const ListControl& list);
  void StoreCheck(const CheckControl& check);
  bool AnotherModeTicked(const QCheckBox* box) const;
  void OnNumberLeft(FilteredLineEdit* box);
  void CommitNumber(const NumberControl& number);
  void CommitBatteryRange();
  void CommitName();

  ListControl* ListOf(const ValueRef& value);
  QCheckBox* CheckOf(Opt field);
  NumberControl* NumberOf(Opt field);

  EditorHost& host_;
  QWidget* content_ = nullptr;
  bool loaded_ = false;
  std::vector<ListControl> lists_;
  std::vector<CheckControl> checks_;
  std::vector<NumberControl> numbers_;
  std::vector<Caption> captions_;
  QLineEdit* nameBox_ = nullptr;
  QGroupBox* frames_[kBandCount] = {};
};

}  // namespace zq
