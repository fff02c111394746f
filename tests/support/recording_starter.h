#pragma once
// Stands in for starting another program and ending this one, and records both.
#include <QString>

#include "platform/qt/process_starter.h"

namespace zq::testing {

class RecordingStarter : public ProcessStarter {
 public:
  RecordingStarter() { SetProcessStarter(this); }
  ~RecordingStarter() override { SetProcessStarter(nullptr); }
  bool Start(const QString& program) override {
    started = program;
    return true;
  }
  void EndThisProgram() override { ended = true; }

  QString started;
  bool ended = false;
};

}  // namespace zq::testing
