#include "platform/file_faults.h"

#include <cerrno>

namespace zq {
namespace {

FileFaultPlan plannedFaults;
int stepsCounted = 0;

}  // namespace

bool FileStepGoesAhead(FileStep) {
  ++stepsCounted;
  if (plannedFaults.failAt == 0) return true;
  const bool fails = stepsCounted == plannedFaults.failAt ||
                     (plannedFaults.failLaterToo && stepsCounted > plannedFaults.failAt);
  if (fails) errno = EIO;  // as the system reports a failing disk
  return !fails;
}

void PlanFileFaults(FileFaultPlan plan) {
  plannedFaults = plan;
  stepsCounted = 0;
}

int FileStepsCounted() { return stepsCounted; }

}  // namespace zq
