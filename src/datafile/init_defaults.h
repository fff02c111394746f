#pragma once
// The configuration every new document starts from.
#include <filesystem>

#include "config/defaults.h"
#include "config/radio_config.h"
#include "datafile/working_copy.h"

namespace zq {

// The defaults, overlaid with the "New" template of the current range when the
// data folder (InstallLayout) has one, and the working copy made to match.
// True when the template was loaded.
bool InitDefaults(const std::filesystem::path& dataFolder, Date today, EditedDocument& edited);

}  // namespace zq
