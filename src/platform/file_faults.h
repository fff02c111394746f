#pragma once
// A seam through which a test makes a file operation fail, the same way on
// every system: each step that writes, moves or removes a user's file (the
// data file pair, backups, series logs, the settings file) asks here first.
// Nothing is planned in a running program, so every step goes ahead.
//
// Two kinds of plan: one failing step (an error the system reports, such as a
// full disk, after which the program carries on and cleans up), and every step
// failing from one on (the process is gone at that step: nothing more reaches
// the disk, cleaning up included), which is how a power cut looks on disk.
namespace zq {

enum class FileStep {
  Create,  // a new file (a temporary, a backup, a log)
  Write,   // bytes into an open file
  Sync,    // a file's bytes to the disk
  Close,
  Move,  // a file renamed over another
  Remove,
  SyncFolder,  // a folder's entries to the disk
};

// False when the plan says this step fails; counts the step either way.
bool FileStepGoesAhead(FileStep step);

struct FileFaultPlan {
  int failAt = 0;             // the 1-based step that fails; 0: none
  bool failLaterToo = false;  // every step after it fails as well
};
void PlanFileFaults(FileFaultPlan plan);  // also restarts the count
int FileStepsCounted();                   // steps asked about since the last plan

// Plans faults for the life of a scope and clears them at its end.
class ScopedFileFaults {
 public:
  explicit ScopedFileFaults(FileFaultPlan plan) { PlanFileFaults(plan); }
  ~ScopedFileFaults() { PlanFileFaults({}); }
  ScopedFileFaults(const ScopedFileFaults&) = delete;
  ScopedFileFaults& operator=(const ScopedFileFaults&) = delete;
};

}  // namespace zq
