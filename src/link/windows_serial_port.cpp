#include "link/windows_serial_port.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/utf8_path.h"

namespace zq {
namespace {

constexpr DWORD kBaudRate = 115200;
constexpr DWORD kQueueBytes = 4096;
constexpr DWORD kWriteWaitMs = 1000;

HANDLE Native(void* handle) { return static_cast<HANDLE>(handle); }

// The system's own words for an error, in UTF-8 without the line end it comes with.
std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length ? std::wstring(text, length) : L"error " + std::to_wstring(error);
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
    message.pop_back();
  return Utf8OfPath(std::filesystem::path(message));
}

PortOpenResult FailureOf(DWORD error, PortFailure kind) { return {kind, SystemMessage(error), ""}; }

PortFailure KindOfOpenError(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return PortFailure::Missing;
    // Windows refuses a COM port that another program holds as "access denied".
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY: return PortFailure::Busy;
    default: return PortFailure::Other;
  }
}

bool SetRawLine(HANDLE port) {
  DCB line{};
  line.DCBlength = sizeof line;
  if (!GetCommState(port, &line)) return false;
  line.BaudRate = kBaudRate;
  line.ByteSize = 8;
  line.Parity = NOPARITY;
  line.StopBits = ONESTOPBIT;
  line.fBinary = TRUE;
  line.fParity = FALSE;
  line.fOutxCtsFlow = FALSE;
  line.fOutxDsrFlow = FALSE;
  line.fDsrSensitivity = FALSE;
  line.fDtrControl = DTR_CONTROL_ENABLE;  // some cables draw their power from DTR and RTS
  line.fRtsControl = RTS_CONTROL_ENABLE;
  line.fOutX = FALSE;
  line.fInX = FALSE;
  line.fErrorChar = FALSE;
  line.fNull = FALSE;
  line.fAbortOnError = FALSE;
  return SetCommState(port, &line) != 0;
}

}  // namespace

PortOpenResult WindowsSerialPort::Open(const std::string& device) {
  Close();
  HANDLE port = CreateFileW(PathFromUtf8(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (port == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    return FailureOf(error, KindOfOpenError(error));
  }
  DCB probe{};
  probe.DCBlength = sizeof probe;
  PortOpenResult refused;
  if (!GetCommState(port, &probe))
    refused = FailureOf(GetLastError(), PortFailure::NotSerial);
  else if (!SetupComm(port, kQueueBytes, kQueueBytes) || !SetRawLine(port))
    refused = FailureOf(GetLastError(), PortFailure::Other);
  if (!refused.ok()) {
    CloseHandle(port);
    return refused;
  }
  handle_ = port;
  readWaitMs_ = ~0ul;
  if (!SetReadWait(0)) {
    PortOpenResult result = FailureOf(GetLastError(), PortFailure::Other);
    Close();
    return result;
  }
  PurgeComm(port, PURGE_RXCLEAR | PURGE_TXCLEAR);
  threshold_ = 1;
  pending_.clear();
  return {};
}

void WindowsSerialPort::Close() {
  if (handle_ == nullptr) return;
  CloseHandle(Native(handle_));
  handle_ = nullptr;
  pending_.clear();
}

bool WindowsSerialPort::SetReadWait(unsigned long waitMs) {
  if (waitMs == readWaitMs_) return true;
  // No wait: ReadFile returns at once with whatever waits. A wait: ReadFile returns
  // once it has all the bytes asked for, or after `waitMs` with fewer. (The mode
  // that returns with the first byte to arrive is not kept by every implementation
  // of these calls; Wine waits out the whole time in it.)
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = waitMs > 0 ? 0 : MAXDWORD;
  timeouts.ReadTotalTimeoutConstant = waitMs;
  timeouts.WriteTotalTimeoutConstant = kWriteWaitMs;
  if (!SetCommTimeouts(Native(handle_), &timeouts)) return false;
  readWaitMs_ = waitMs;
  return true;
}

void WindowsSerialPort::DiscardBuffers() {
  pending_.clear();
  // As on a POSIX port: a frame sent from inside a receive notification follows
  // a reply that was just taken whole, so only a retransmission purges.
  if (handle_ == nullptr || inReceiveNotification_) return;
  PurgeComm(Native(handle_), PURGE_RXCLEAR | PURGE_TXCLEAR);
}

bool WindowsSerialPort::Write(std::span<const uint8_t> bytes) {
  std::size_t done = 0;
  while (handle_ != nullptr && done < bytes.size()) {
    DWORD written = 0;
    if (!WriteFile(Native(handle_), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written, nullptr) ||
        written == 0)
      return false;
    done += written;
  }
  return done == bytes.size();
}

bool WindowsSerialPort::Take(unsigned long waitMs) {
  uint8_t chunk[512];
  // First wait for the bytes the threshold still lacks, then take whatever else has come.
  DWORD wanted = pending_.size() < threshold_ && waitMs > 0
                     ? static_cast<DWORD>(std::min(threshold_ - pending_.size(), sizeof chunk))
                     : 0;
  // No reply is longer than a data frame; a device flooding the line leaves the
  // rest in the system's queue, purged before the next retransmission.
  while (handle_ != nullptr && pending_.size() < kMaxPendingBytes) {
    DWORD got = 0;
    if (!SetReadWait(wanted > 0 ? waitMs : 0) ||
        !ReadFile(Native(handle_), chunk, wanted > 0 ? wanted : sizeof chunk, &got, nullptr))
      return false;
    if (got == 0 && wanted == 0) return true;
    pending_.insert(pending_.end(), chunk, chunk + got);
    if (wanted > 0 && got < wanted) return true;  // the time is up
    wanted = 0;
  }
  return true;
}

void WindowsSerialPort::ServiceInput(std::chrono::milliseconds limit) {
  const auto waitMs = static_cast<unsigned long>(std::clamp<long long>(limit.count(), 1, MAXDWORD - 1));
  bool alive = Take(pending_.size() >= threshold_ ? 0 : waitMs);
  if (pending_.size() >= threshold_) {
    inReceiveNotification_ = true;
    NotifyReceive();
    inReceiveNotification_ = false;
  }
  if (!alive) Close();
}

Bytes WindowsSerialPort::ReadAll() {
  bool alive = inReceiveNotification_ || Take(0);
  Bytes received = std::exchange(pending_, {});
  if (!alive) Close();
  return received;
}

}  // namespace zq
