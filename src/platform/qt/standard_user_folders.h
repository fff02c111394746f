#pragma once
// The per-user base folders as the toolkit knows them.
#include "platform/user_folders.h"

namespace zq {

UserFolders StandardUserFolders();

}  // namespace zq
