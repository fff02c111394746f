#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

namespace zq {

std::filesystem::path WriteTemporaryBeside(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  // The rename would put a plain file in place of a device or a pipe, or fail on
  // a folder after the other file of a pair was already replaced.
  std::error_code ec;
  if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec)) return {};
  std::string tmpl = (path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path()).string() +
                     "/." + path.filename().string() + ".XXXXXX";
  int fd = mkstemp(tmpl.data());
  if (fd < 0) return {};
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = ok && ::fchmod(fd, 0644) == 0 && ::fdatasync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok) {
    std::remove(tmpl.c_str());
    return {};
  }
  return tmpl;
}

bool ReplaceWithTemporary(const std::filesystem::path& temporary, const std::filesystem::path& path) {
  if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  DiscardTemporary(temporary);
  return false;
}

void DiscardTemporary(const std::filesystem::path& temporary) {
  if (!temporary.empty()) std::remove(temporary.c_str());
}

bool WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  auto temporary = WriteTemporaryBeside(path, bytes);
  return !temporary.empty() && ReplaceWithTemporary(temporary, path);
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view text) {
  return WriteFileAtomically(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace zq
