#pragma once
// Starting the command-line tool and the simulated radio from tests.
#include <chrono>
#include <string>
#include <vector>

namespace zq::test {

struct ProcessResult {
  int exitCode = -1;  // -1 when it had to be killed
  std::string out, err;
  std::chrono::milliseconds took{0};
};

// Runs a program to its end, killing it after `limit`.
ProcessResult RunProgram(const std::vector<std::string>& args, std::chrono::seconds limit);

// A program left running in the background; its first output line is read at start.
class BackgroundProgram {
 public:
  explicit BackgroundProgram(const std::vector<std::string>& args);
  ~BackgroundProgram();
  BackgroundProgram(const BackgroundProgram&) = delete;
  BackgroundProgram& operator=(const BackgroundProgram&) = delete;

  const std::string& firstLine() const { return firstLine_; }
  // Waits for the program to end by itself; -1 when it did not within `limit` (it is killed then).
  int Wait(std::chrono::seconds limit);
  // Ctrl+C, as a terminal sends it.
  void Interrupt();
  // What it wrote after its first line, once it has ended.
  std::string RestOfOutput();

 private:
  int pid_ = -1;
  int out_ = -1;
  std::string firstLine_;
};

}  // namespace zq::test
