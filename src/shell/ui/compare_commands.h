#pragma once
// File > Compare with File and Program > Compare with Radio: the configuration
// in the program (the new one) against a data file, a memory image or what
// the radio holds (the old one), shown in the comparison window. The
// configuration itself stays as it is.
#include <string>

#include "link/config_comparison.h"

namespace zq {

class frmMain;

class CompareCommands {
 public:
  explicit CompareCommands(frmMain& main) : main_(main) {}

  void CompareWithFile();
  void CompareWithRadio();

 private:
  // The configuration as a save would store it now.
  CompareSide CurrentSide() const;
  void Show(const CompareSide& other, const std::string& otherName);

  frmMain& main_;
};

}  // namespace zq
