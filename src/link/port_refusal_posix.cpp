#include "link/port_refusal.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zq {

std::string GroupThatMayOpen(const std::string& device) {
  struct stat info {};
  if (::stat(device.c_str(), &info) != 0) return {};
  bool groupMayUse = (info.st_mode & S_IRGRP) && (info.st_mode & S_IWGRP);
  if (!groupMayUse || info.st_gid == 0) return {};  // joining that group would not help
  const struct group* g = ::getgrgid(info.st_gid);
  return g ? g->gr_name : std::to_string(info.st_gid);
}

PortRefusal RefusalOf(const std::string& device) {
  // A device this user may read and write was refused because someone holds it.
  if (::access(device.c_str(), R_OK | W_OK) == 0) return {PortFailure::Busy, {}};
  return {PortFailure::NotPermitted, GroupThatMayOpen(device)};
}

}  // namespace zq
