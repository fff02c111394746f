#include "platform/file_faults.h"

namespace zq {
namespace {

FileFaultPlan plannedFaults;
int stepsCounted = 0;

}  // namespace

bool FileStepGoesAhead(FileStep) {
  ++stepsCounted;
  if (plannedFaults.failAt == 0) return true;
  if (stepsCounted == plannedFaults.failAt) return false;
  return !(plannedFaults.failLaterToo && stepsCounted > plannedFaults.failAt);
}

void PlanFileFaults(FileFaultPlan plan) {
  plannedFaults = plan;
  stepsCounted = 0;
}

int FileStepsCounted() { return stepsCounted; }

}  // namespace zq
