#pragma once
// Starting another program and ending this one; tests put a recorder in place.
#include <QString>

namespace zq {

class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // Starts the program in its own process; false when it could not be started.
  virtual bool Start(const QString& program) = 0;
  // Ends this program at once, without questions.
  virtual void EndThisProgram() = 0;
};

ProcessStarter& CurrentProcessStarter();
void SetProcessStarter(ProcessStarter* starter);

}  // namespace zq
