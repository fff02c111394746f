#include "link/posix_serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "link/port_refusal.h"

namespace zq {

namespace {

constexpr int kWriteWaitMs = 100;

PortOpenResult FailureOf(int error, const std::string& device) {
  PortOpenResult result;
  result.detail = std::strerror(error);
  switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO: result.failure = PortFailure::Missing; break;
    case EBUSY:
    case EWOULDBLOCK: result.failure = PortFailure::Busy; break;
    case EACCES:
    case EPERM:
      result.failure = PortFailure::NotPermitted;
      result.deviceGroup = GroupThatMayOpen(device);
      break;
    case ENOTTY: result.failure = PortFailure::NotSerial; break;
    default: result.failure = PortFailure::Other; break;
  }
  return result;
}

}  // namespace

bool SetRawLine(int fd) {
  termios line{};
  if (::tcgetattr(fd, &line) != 0) return false;
  ::cfmakeraw(&line);
  line.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS | CSIZE);
  line.c_cflag |= CS8 | CLOCAL | CREAD;
  line.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  line.c_cc[VMIN] = 0;
  line.c_cc[VTIME] = 0;
  return ::cfsetispeed(&line, B115200) == 0 && ::cfsetospeed(&line, B115200) == 0 &&
         ::tcsetattr(fd, TCSANOW, &line) == 0;
}

PortOpenResult PosixSerialPort::Open(const std::string& device) {
  Close();
  int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return FailureOf(errno, device);
  int error = 0;
  if (!::isatty(fd))
    error = ENOTTY;
  else if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
    error = errno;
  else if (!SetRawLine(fd))
    error = errno ? errno : ENOTTY;
  if (error != 0) {
    ::close(fd);
    return FailureOf(error, device);
  }
  // Keeps other programs off the device while it is ours.
  ::ioctl(fd, TIOCEXCL);
  fd_ = fd;
  threshold_ = 1;
  pending_.clear();
  return {};
}

void PosixSerialPort::Close() {
  if (fd_ < 0) return;
  ::ioctl(fd_, TIOCNXCL);
  ::close(fd_);
  fd_ = -1;
  pending_.clear();
}

void PosixSerialPort::DiscardBuffers() {
  pending_.clear();
  // A frame sent from inside a receive notification follows a reply: the input
  // queue was emptied a moment ago and the radio has heard all of the last
  // frame, so the kernel holds nothing to discard and the flush is saved on
  // every block. A retransmission flushes both queues.
  if (fd_ < 0 || inReceiveNotification_) return;
  ::tcflush(fd_, TCIOFLUSH);
}

bool PosixSerialPort::Write(std::span<const uint8_t> bytes) {
  std::size_t done = 0;
  while (fd_ >= 0 && done < bytes.size()) {
    ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EAGAIN) {
      pollfd out{fd_, POLLOUT, 0};
      if (::poll(&out, 1, kWriteWaitMs) <= 0) return false;
    } else if (n < 0 && errno != EINTR) {
      return false;
    }
  }
  return done == bytes.size();
}

bool PosixSerialPort::Drain() {
  uint8_t chunk[512];
  // No reply is longer than a data frame. A device that floods the line leaves the
  // rest in the kernel's queue (flushed before the next retransmission) instead of
  // filling the memory, and the event loop keeps running the reply timer.
  while (fd_ >= 0 && pending_.size() < kMaxPendingBytes) {
    ssize_t n = ::read(fd_, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) return false;  // the device has gone
    if (n <= 0) return true;                     // nothing more waiting
    pending_.insert(pending_.end(), chunk, chunk + n);
    if (static_cast<std::size_t>(n) < sizeof chunk) return true;  // a short read has emptied the queue
  }
  return true;
}

void PosixSerialPort::ServiceInput(bool hungUp) {
  // A last reply can arrive together with the hang-up; it still counts.
  bool alive = Drain() && !hungUp;
  if (pending_.size() >= threshold_) {
    // The reply is what has just been taken in.
    inReceiveNotification_ = true;
    NotifyReceive();
    inReceiveNotification_ = false;
  }
  if (!alive) Close();
}

Bytes PosixSerialPort::ReadAll() {
  bool alive = inReceiveNotification_ || Drain();
  Bytes received = std::exchange(pending_, {});
  if (!alive) Close();
  return received;
}

}  // namespace zq
