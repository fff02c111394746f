#pragma once
// The small window that asks what to print: the channel table of a band and
// group, or the summary of the whole configuration.
#include <QDialog>

#include "config/radio_config.h"
#include "print/print_job.h"

class QComboBox;
class QRadioButton;

namespace zq {

class PrintChoiceDialog : public QDialog {
  Q_OBJECT
 public:
  PrintChoiceDialog(const QString& caption, const PrintChoice& preset, const RadioConfig& cfg, int language,
                    QWidget* parent = nullptr);

  PrintChoice choice() const;

 private:
  Band ShownBand() const;
  void FillGroups(BandGroup group);
  void EnableGroupLists();

  const RadioConfig& cfg_;
  int language_;
  QRadioButton* channelTable_;
  QRadioButton* summary_;
  QComboBox* band_;
  QComboBox* group_;
};

}  // namespace zq
