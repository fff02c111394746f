// The folders of src/ form the layers drawn in docs/architecture.md: a folder
// includes only its own headers and those of the layers above it, and the radio
// logic never includes a Qt header or a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
const fs::path kSource = ZQ_SOURCE_DIR;

// The text between the first pair of `open` and `close` after `from`; empty when there is none.
std::string Between(const std::string& line, char open, char close, std::size_t from = 0) {
  auto start = line.find(open, from);
  if (start == std::string::npos) return {};
  auto end = line.find(close, start + 1);
  return end == std::string::npos ? std::string() : line.substr(start + 1, end - start - 1);
}

// Folder -> layer number, from the rows "| 3 | `platform/` | ..." of docs/architecture.md.
std::map<std::string, int> LayersOfDocument() {
  std::ifstream doc(kSource / "docs" / "architecture.md");
  std::map<std::string, int> layers;
  for (std::string line; std::getline(doc, line);) {
    if (!line.starts_with("| ") || line.size() < 3 || !std::isdigit(static_cast<unsigned char>(line[2]))) continue;
    std::string folder = Between(line, '`', '`');
    if (folder.ends_with('/')) layers[folder.substr(0, folder.size() - 1)] = std::stoi(line.substr(2));
  }
  return layers;
}

struct Include {
  std::string target;  // the quoted path, or <Qt header> for a Qt include
  int line = 0;
};

std::vector<Include> IncludesOf(const fs::path& file) {
  std::ifstream in(file);
  std::vector<Include> found;
  int n = 0;
  for (std::string line; std::getline(in, line);) {
    ++n;
    if (!line.starts_with("#include ")) continue;
    if (std::string quoted = Between(line, '"', '"'); !quoted.empty())
      found.push_back({quoted, n});
    else if (std::string system = Between(line, '<', '>'); system.starts_with("Q"))
      found.push_back({"<" + system + ">", n});
  }
  return found;
}

// ui/, qt/ and widgets/ are the only places that may use Qt.
bool IsQtPlace(const fs::path& relative) {
  std::string text = relative.generic_string();
  return text.starts_with("widgets/") || text.find("/ui/") != std::string::npos ||
         text.find("/qt/") != std::string::npos;
}

TEST(IncludeLayers, EveryIncludePointsAtTheSameOrAHigherLayerAndTheRadioLogicStaysFreeOfQt) {
  const auto layers = LayersOfDocument();
  ASSERT_GE(layers.size(), 10u) << "the layer table of docs/architecture.md was not found";
  std::ostringstream faults;
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kSource / "src")) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = entry.path().lexically_relative(kSource / "src");
    const std::string folder = relative.begin()->string();
    auto own = layers.find(folder);
    if (own == layers.end()) {
      faults << "src/" << folder << "/ is not in the layer table\n";
      continue;
    }
    ++files;
    for (const Include& include : IncludesOf(entry.path())) {
      std::string where = "src/" + relative.generic_string() + ":" + std::to_string(include.line) + " ";
      bool qtTarget = include.target.starts_with("<Q") || IsQtPlace(include.target);
      if (qtTarget && !IsQtPlace(relative)) faults << where << include.target << ": Qt outside ui/, qt/ and widgets/\n";
      auto slash = include.target.find('/');
      if (slash == std::string::npos) continue;
      auto other = layers.find(include.target.substr(0, slash));
      if (other != layers.end() && other->second > own->second)
        faults << where << include.target << ": " << folder << " (layer " << own->second << ") may not include "
               << other->first << " (layer " << other->second << ")\n";
    }
  }
  EXPECT_GT(files, 100);
  EXPECT_EQ(faults.str(), "");
}

// The calls of one operating system, which a window must reach only through platform/.
bool IsSystemHeader(const std::string& header) {
  static const std::vector<std::string> kHeaders = {"unistd.h", "fcntl.h", "poll.h",   "termios.h", "grp.h",
                                                    "pwd.h",    "pty.h",   "dirent.h", "windows.h", "io.h"};
  return header.starts_with("sys/") || std::find(kHeaders.begin(), kHeaders.end(), header) != kHeaders.end();
}

// Windows (ui/ folders and the widget kit) and platform/qt build on every system as they are.
TEST(IncludeLayers, WindowsAndPlatformQtServicesIncludeNoOperatingSystemHeader) {
  std::ostringstream faults;
  for (const auto& entry : fs::recursive_directory_iterator(kSource / "src")) {
    if (!entry.is_regular_file()) continue;
    const std::string relative = entry.path().lexically_relative(kSource / "src").generic_string();
    const bool portable = relative.starts_with("widgets/") || relative.starts_with("platform/qt/") ||
                          relative.find("/ui/") != std::string::npos;
    if (!portable) continue;
    std::ifstream in(entry.path());
    int n = 0;
    for (std::string line; std::getline(in, line);) {
      ++n;
      std::string header = line.starts_with("#include ") ? Between(line, '<', '>') : std::string();
      if (IsSystemHeader(header)) faults << "src/" << relative << ":" << n << " <" << header << ">\n";
    }
  }
  EXPECT_EQ(faults.str(), "");
}

}  // namespace
