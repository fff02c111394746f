#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>


namespace zq {

std::filesystem::path WriteTemporaryBeside(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  if (!MayReplace(path)) return {};
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

NewFile CreateNewFile(const std::filesystem::path& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd >= 0) {
    ::close(fd);
    return NewFile::Created;
  }
  return errno == EEXIST ? NewFile::Exists : NewFile::Failed;
}

}  // namespace zq
