#pragma once
// The channel editor's CSV buttons: the shown band and group to a CSV file,
// and a CSV file into the shown HF or HAM group.
class QWidget;

namespace zq {

struct RadioConfig;

void ExportShownGroup(QWidget* parent, const RadioConfig& cfg, int language, BandGroup group);
// True when channels of the group changed. `inFileOrder` is the dialog's
// check box for files whose Location numbers do not fit the group: shown as
// given, left as the user left it. The dialog starts in `folder`.
bool ImportIntoShownGroup(QWidget* parent, const QString& folder, RadioConfig& cfg, int language, BandGroup group,
                          bool& inFileOrder);

}  // namespace zq
