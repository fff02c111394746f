#include "platform/qt/process_starter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace zq {
namespace {

class SystemProcessStarter : public ProcessStarter {
 public:
  bool Start(const QString& program) override {
    return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
  }
  void EndThisProgram() override { QCoreApplication::exit(0); }
};

ProcessStarter* g_starter = nullptr;

}  // namespace

ProcessStarter& CurrentProcessStarter() {
  static SystemProcessStarter system;
  return g_starter ? *g_starter : system;
}

void SetProcessStarter(ProcessStarter* starter) { g_starter = starter; }

}  // namespace zq
