#include "link/pty_radio_server.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>

#include "link/posix_serial_port.h"

namespace zq {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kSpinWindow = std::chrono::microseconds(300);

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

timespec Until(Clock::time_point due) {
  auto left = std::max<long long>(0, std::chrono::duration_cast<std::chrono::nanoseconds>(due - Clock::now()).count());
  return timespec{static_cast<time_t>(left / 1'000'000'000), static_cast<long>(left % 1'000'000'000)};
}

}  // namespace

std::unique_ptr<PtyRadioServer> PtyRadioServer::Create(std::string& error) {
  int master = -1, slave = -1;
  char name[256] = {};
  if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  int stop[2];
  if (!SetRawLine(slave) || ::pipe2(stop, O_CLOEXEC | O_NONBLOCK) != 0) {
    error = std::strerror(errno);
    ::close(master);
    ::close(slave);
    return nullptr;
  }
  ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
  ::fcntl(master, F_SETFD, FD_CLOEXEC);
  ::fcntl(slave, F_SETFD, FD_CLOEXEC);
  return std::unique_ptr<PtyRadioServer>(new PtyRadioServer(master, slave, stop[0], stop[1], name));
}

PtyRadioServer::PtyRadioServer(int master, int slave, int stopRead, int stopWrite, std::string devicePath)
    : master_(master), slave_(slave), stopRead_(stopRead), stopWrite_(stopWrite), devicePath_(std::move(devicePath)) {}

PtyRadioServer::~PtyRadioServer() {
  HangUp();
  CloseFd(stopRead_);
  CloseFd(stopWrite_);
}

void PtyRadioServer::Stop() {
  char wake = 1;
  [[maybe_unused]] ssize_t n = ::write(stopWrite_, &wake, 1);
}

void PtyRadioServer::HangUp() {
  CloseFd(master_);
  CloseFd(slave_);
}

void PtyRadioServer::WaitForPcToClose() {
  // With our own hold on the line gone, the master reports a hang-up once the
  // PC has closed the port, and so has read the last reply.
  CloseFd(slave_);
  pollfd line{master_, POLLIN, 0};
  auto limit = Clock::now() + std::chrono::seconds(2);
  uint8_t ignored[64];
  while (Clock::now() < limit && ::poll(&line, 1, 100) >= 0 && !(line.revents & POLLHUP)) {
    if ((line.revents & POLLIN) && ::read(master_, ignored, sizeof ignored) < 0) return;
  }
}

bool PtyRadioServer::WaitForRequest(const std::deque<ScheduledReply>& outgoing) {
  timespec wait{};
  if (!outgoing.empty()) {
    // A timer wakes up tens of microseconds late; the last stretch before a
    // reply is due is spun so that wire-speed timing stays exact.
    Clock::time_point due = outgoing.front().due;
    if (Clock::now() >= due - kSpinWindow) {
      while (Clock::now() < due) {
      }
      return false;
    }
    wait = Until(due - kSpinWindow);
  }
  pollfd fds[2] = {{master_, POLLIN, 0}, {stopRead_, POLLIN, 0}};
  if (::ppoll(fds, 2, outgoing.empty() ? nullptr : &wait, nullptr) <= 0) return false;
  if (fds[1].revents & POLLIN) HangUp();
  return master_ >= 0 && (fds[0].revents & POLLIN);
}

void PtyRadioServer::Serve(SimulatedRadio& radio, const ServeOptions& options) {
  ::prctl(PR_SET_TIMERSLACK, 1UL);
  std::deque<ScheduledReply> outgoing;
  bool finishing = false;
  while (master_ >= 0) {
    while (!outgoing.empty() && outgoing.front().due <= Clock::now()) {
      const Bytes& bytes = outgoing.front().bytes;
      [[maybe_unused]] ssize_t n = ::write(master_, bytes.data(), bytes.size());  // a PC that is not listening loses it
      outgoing.pop_front();
    }
    if (finishing && outgoing.empty()) {
      WaitForPcToClose();
      return;
    }
    if (!WaitForRequest(outgoing)) continue;
    uint8_t chunk[512];
    ssize_t n = ::read(master_, chunk, sizeof chunk);
    Clock::time_point received = Clock::now();
    if (n <= 0) continue;
    int endedBefore = radio.transfersEnded();
    auto replies = radio.Receive(std::span(chunk, static_cast<std::size_t>(n)));
    if (radio.hungUp()) {
      HangUp();
      return;
    }
    if (radio.transfersEnded() != endedBefore) {
      if (options.onTransferEnded) options.onTransferEnded(radio);
      finishing = options.exitAfterTransfer;
    }
    for (RadioReply& reply : replies) outgoing.push_back({received + reply.delay, std::move(reply.bytes)});
  }
}

}  // namespace zq
