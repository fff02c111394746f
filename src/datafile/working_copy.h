#pragma once
// The working copy of a document: the configuration as the last save, open or
// template load left it in the files. Saving and opening go through it, and it
// is what the program compares against to know whether there are unsaved changes.
#include "config/radio_config.h"

namespace zq {

struct WorkingCopy {
  // The settings block (the file buffer) and the channel records as stored:
  // records beyond a group's ChannelCount are always blank here.
  RadioConfig content;
};

// Every ChannelCount of an existing group lies within 0 .. the group's capacity.
// Counts of groups a band does not have are carried but never used.
bool ChannelCountsAreValid(const GroupBandTable& counts);

// Number of channel-file records the counts call for (the special slots included).
int ChannelFileRecordCount(const GroupBandTable& counts);

// Normalises the identity record of `cfg` (as before every save) and copies the
// configuration into the working copy.
void PackForFile(RadioConfig& cfg, const DocumentState& doc, WorkingCopy& working);

// Makes the working copy the live configuration, and the range text follow its range index.
void UnpackFromFile(const WorkingCopy& working, RadioConfig& cfg, DocumentState& doc);

// True when nothing the files keep differs between the configuration and the working copy.
bool IsUnchanged(const RadioConfig& cfg, const WorkingCopy& working);

// The document being edited: the live configuration, its file name and range,
// and the working copy its files hold. Opening, saving, templates and the
// defaults change the three together.
struct EditedDocument {
  RadioConfig config;
  DocumentState document;
  WorkingCopy working;
};

}  // namespace zq
