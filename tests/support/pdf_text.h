#pragma once
// The text of a PDF file as a reader would copy it, through pdftotext
// (poppler-utils; scripts/install-deps.sh installs it). For the tests of the
// POSIX systems, where the sheets are read back.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace zq::testing {

inline std::string PdfText(const std::filesystem::path& file) {
  const std::filesystem::path tool = "/usr/bin/pdftotext";
  std::error_code ec;
  if (!std::filesystem::exists(tool, ec)) {
    ADD_FAILURE() << tool << " is missing: scripts/install-deps.sh installs poppler-utils";
    return {};
  }
  const std::string command = tool.string() + " -enc UTF-8 '" + file.string() + "' - 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return {};
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  ::pclose(pipe);
  return text;
}

}  // namespace zq::testing
