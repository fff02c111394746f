#include "platform/atomic_file.h"

#include <windows.h>

#include <algorithm>
#include <random>
#include <string>

#include <system_error>

#include "platform/diagnostic_log.h"
#include "platform/file_faults.h"
#include "platform/utf8_path.h"

namespace zq {
namespace {

// The message box says "file error."; the log keeps what the system said.
void LogFileFailure(std::string_view what, const std::filesystem::path& path) {
  const auto error = static_cast<int>(GetLastError());
  LogDiagnostic(std::string(what) + " " + Utf8OfPath(path) + ": " + std::system_category().message(error));
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool Close() {
    if (!ok()) return true;
    bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

HANDLE CreateOnlyNew(const std::filesystem::path& path) {
  return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteWhole(HANDLE file, std::span<const uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    DWORD written = 0;
    if (!FileStepGoesAhead(FileStep::Write)) return false;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

std::filesystem::path WriteTemporaryBeside(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  if (!MayReplace(path)) return {};
  const std::filesystem::path folder = path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path temporary =
        folder / (L"." + path.filename().wstring() + L"." + std::to_wstring(random() % 1000000) + L".tmp");
    if (!FileStepGoesAhead(FileStep::Create)) return {};
    FileHandle file(CreateOnlyNew(temporary));
    if (!file.ok()) {
      if (GetLastError() == ERROR_FILE_EXISTS) continue;
      LogFileFailure("cannot create a temporary file for", path);
      return {};
    }
    // The bytes reach the disk before the name changes, so a power cut leaves the old file or the new one.
    bool ok = WriteWhole(file.get(), bytes) && FileStepGoesAhead(FileStep::Sync) && FlushFileBuffers(file.get());
    const bool closed = file.Close();
    ok = FileStepGoesAhead(FileStep::Close) && closed && ok;
    if (ok) return temporary;
    LogFileFailure("cannot write", temporary);
    DiscardTemporary(temporary);
    return {};
  }
  return {};
}

bool MoveTemporaryIntoPlace(const std::filesystem::path& temporary, const std::filesystem::path& path) {
  if (FileStepGoesAhead(FileStep::Move) &&
      MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  LogFileFailure("cannot move " + Utf8OfPath(temporary) + " over", path);
  return false;
}

// MOVEFILE_WRITE_THROUGH returns only once the move is on the disk; the folder needs nothing more.
bool SyncFolderOf(const std::filesystem::path&) { return FileStepGoesAhead(FileStep::SyncFolder); }

NewFile CreateNewFile(const std::filesystem::path& path) {
  if (!FileStepGoesAhead(FileStep::Create)) return NewFile::Failed;
  FileHandle file(CreateOnlyNew(path));
  if (file.ok()) return NewFile::Created;
  DWORD error = GetLastError();
  return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? NewFile::Exists : NewFile::Failed;
}

}  // namespace zq
