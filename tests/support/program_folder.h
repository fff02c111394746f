#pragma once
// A throw-away installation for tests: a shared folder with its own settings
// file and version list, and a program folder with copies of the templates and
// pictures the build made.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "datafile/install_layout.h"

namespace zq::testing {

class ProgramFolder {
 public:
  ProgramFolder() {
    std::random_device rd;
    root_ = std::filesystem::temp_directory_path() / ("zq4071-test-" + std::to_string(rd()));
    std::filesystem::create_directories(root_ / "LR_902");
    std::filesystem::create_directories(root_ / "language");
    const std::filesystem::path built = ZQ_PROGRAM_DIR;
    // Copies, not links: Windows programs may not follow a link to a folder.
    for (const char* folder : {"Init", "PIC"})
      std::filesystem::copy(built / folder, root_ / "LR_902" / folder, std::filesystem::copy_options::recursive);
    Write("Version.ini",
          "[Version]\r\nCurrentVersion=V100\r\nSoftVersionCount=1\r\nFirmVersionCount=1\r\n"
          "[Soft]\r\nVersion0=V100\r\n[Firm]\r\nFirm0=V100V100\r\n");
    Write("language/mysetup.ini",
          "[language]\r\nIsFirstRun=0\r\nCurrentLanguage=1\r\ncomPort=1\r\nHandshaking=0\r\nStopBit=1\r\n");
  }
  ~ProgramFolder() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  std::filesystem::path root() const { return root_; }
  std::filesystem::path program() const { return root_ / "LR_902"; }
  std::filesystem::path settingsFile() const { return root_ / "language" / "mysetup.ini"; }
  InstallLayout layout() const { return LayoutOf(program(), UserFolders{}); }

  void Write(const std::string& relative, const std::string& text) const {
    std::ofstream(root_ / relative, std::ios::binary) << text;
  }

 private:
  std::filesystem::path root_;
};

}  // namespace zq::testing
