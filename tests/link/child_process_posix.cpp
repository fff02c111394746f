#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zq::test {
namespace {

using Clock = std::chrono::steady_clock;

int Spawn(const std::vector<std::string>& args, int out, int err) {
  int pid = ::fork();
  if (pid != 0) return pid;
  ::dup2(out, STDOUT_FILENO);
  ::dup2(err, STDERR_FILENO);
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  ::execv(argv[0], argv.data());
  ::_exit(127);
}

// Waits for the child; kills it when `deadline` passes first.
int Reap(int pid, Clock::time_point deadline) {
  int status = 0;
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (Clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      return -1;
    }
    ::usleep(2000);
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

ProcessResult RunProgram(const std::vector<std::string>& args, std::chrono::seconds limit) {
  int out[2], err[2];
  if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return {};
  auto start = Clock::now();
  int pid = Spawn(args, out[1], err[1]);
  ::close(out[1]);
  ::close(err[1]);
  ProcessResult result;
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open = 2;
  while (open > 0 && Clock::now() < start + limit) {
    if (::poll(fds, 2, 100) <= 0) continue;
    for (int k = 0; k < 2; ++k) {
      if (fds[k].fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP))) continue;
      char chunk[4096];
      ssize_t n = ::read(fds[k].fd, chunk, sizeof chunk);
      if (n > 0) {
        sinks[k]->append(chunk, static_cast<std::size_t>(n));
      } else {
        ::close(fds[k].fd);
        fds[k].fd = -1;
        --open;
      }
    }
  }
  for (auto& fd : fds)
    if (fd.fd >= 0) ::close(fd.fd);
  result.exitCode = Reap(pid, start + limit);
  result.took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
  return result;
}

BackgroundProgram::BackgroundProgram(const std::vector<std::string>& args) {
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return;
  int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  pid_ = Spawn(args, out[1], devNull);
  ::close(out[1]);
  ::close(devNull);
  out_ = out[0];
  char c;
  pollfd in{out_, POLLIN, 0};
  while (::poll(&in, 1, 5000) > 0 && ::read(out_, &c, 1) == 1 && c != '\n') firstLine_ += c;
}

BackgroundProgram::~BackgroundProgram() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    Reap(pid_, Clock::now() + std::chrono::seconds(5));
  }
  if (out_ >= 0) ::close(out_);
}

void BackgroundProgram::Interrupt() {
  if (pid_ > 0) ::kill(pid_, SIGINT);
}

std::string BackgroundProgram::RestOfOutput() {
  std::string rest;
  char chunk[4096];
  pollfd in{out_, POLLIN, 0};
  ssize_t n = 0;
  while (::poll(&in, 1, 1000) > 0 && (n = ::read(out_, chunk, sizeof chunk)) > 0) rest.append(chunk, n);
  return rest;
}

int BackgroundProgram::Wait(std::chrono::seconds limit) {
  int code = Reap(pid_, Clock::now() + limit);
  pid_ = -1;
  return code;
}

}  // namespace zq::test
