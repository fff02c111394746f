#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "config/defaults.h"
#include "config/radio_config.h"
#include "datafile/test_support.h"
#include "platform/atomic_file.h"
#include "platform/diagnostic_log.h"
#include "platform/file_faults.h"
#include "support/scripted_prompter.h"
#include "widgets/guarded.h"

namespace zq {
namespace {

std::string LogText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(DiagnosticLog, AFailedHandlerAndAFileErrorLeaveTheirCauseInTheLog) {
  test::TempFolder dir;
  const auto log = dir / "zq4071.log";
  OpenDiagnosticLog(log);
  testing::ScriptedPrompter prompter;

  RadioConfig cfg;
  cfg.Options.Tot() = 3;
  EXPECT_FALSE(GuardedEdit(nullptr, "FrmOptFeatures_cboTOT_Click", cfg, [&] {
    cfg.Options.Tot() = 9;
    throw std::runtime_error("the list has no entry 9");
  }));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0], QStringLiteral("FrmOptFeatures_cboTOT_Click"));
  EXPECT_EQ(cfg.Options.Tot(), 3);
  EXPECT_NE(LogText(log).find("FrmOptFeatures_cboTOT_Click failed: the list has no entry 9"), std::string::npos)
      << LogText(log);

  {
    ScopedFileFaults faults({5, false});  // create, write, sync, close: the move fails
    EXPECT_FALSE(WriteFileAtomically(dir / "mysetup.ini", std::string_view("[language]\n")));
  }
  EXPECT_NE(LogText(log).find("over " + (dir / "mysetup.ini").string() + ": "), std::string::npos) << LogText(log);
  CloseDiagnosticLog();
}

}  // namespace
}  // namespace zq
