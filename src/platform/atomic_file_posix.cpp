#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/diagnostic_log.h"
#include "platform/file_faults.h"
#include "platform/utf8_path.h"

namespace zq {
namespace {

// The message box says "file error."; the log keeps what the system said.
void LogFileFailure(std::string_view what, const std::filesystem::path& path) {
  LogDiagnostic(std::string(what) + " " + Utf8OfPath(path) + ": " + std::strerror(errno));
}

}  // namespace

std::filesystem::path WriteTemporaryBeside(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  if (!MayReplace(path)) return {};
  std::string tmpl = (path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path()).string() + "/." +
                     path.filename().string() + ".XXXXXX";
  if (!FileStepGoesAhead(FileStep::Create)) return {};
  int fd = mkstemp(tmpl.data());
  if (fd < 0) {
    LogFileFailure("cannot create a temporary file for", path);
    return {};
  }
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    ok = FileStepGoesAhead(FileStep::Write);
    ssize_t n = ok ? ::write(fd, bytes.data() + done, bytes.size() - done) : -1;
    if (n < 0 && ok && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = ok && ::fchmod(fd, 0644) == 0 && FileStepGoesAhead(FileStep::Sync) && ::fdatasync(fd) == 0;
  const bool closed = ::close(fd) == 0;  // closed in any case: a failing step must not leak the descriptor
  ok = FileStepGoesAhead(FileStep::Close) && closed && ok;
  if (!ok) {
    LogFileFailure("cannot write", tmpl);
    DiscardTemporary(tmpl);
    return {};
  }
  return tmpl;
}

bool MoveTemporaryIntoPlace(const std::filesystem::path& temporary, const std::filesystem::path& path) {
  if (FileStepGoesAhead(FileStep::Move) && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  LogFileFailure("cannot move " + Utf8OfPath(temporary) + " over", path);
  return false;
}

bool SyncFolderOf(const std::filesystem::path& path) {
  // A rename is only in the folder's entries until the folder itself is synced.
  if (!FileStepGoesAhead(FileStep::SyncFolder)) return false;
  const std::filesystem::path folder = path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  bool synced = fd >= 0 && ::fsync(fd) == 0;
  if (!synced) LogFileFailure("cannot sync the folder", folder);
  if (fd >= 0) ::close(fd);
  return synced;
}

NewFile CreateNewFile(const std::filesystem::path& path) {
  if (!FileStepGoesAhead(FileStep::Create)) return NewFile::Failed;
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd >= 0) {
    ::close(fd);
    return NewFile::Created;
  }
  if (errno == EEXIST) return NewFile::Exists;
  LogFileFailure("cannot create", path);
  return NewFile::Failed;
}

}  // namespace zq
