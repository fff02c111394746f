// The folders of src/ form the layers drawn in docs/architecture.md: a folder
// includes only its own headers and those of the layers above it, and the radio
// logic never includes a Qt header or a window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
const fs::path kSource = ZQ_SOURCE_DIR;

// Folder -> layer number, from the table of docs/architecture.md.
std::map<std::string, int> LayersOfDocument() {
  std::ifstream doc(kSource / "docs" / "architecture.md");
  static const std::regex row(R"(^\| (\d+) \| `([a-z_]+)/` \|)");
  std::map<std::string, int> layers;
  std::smatch m;
  for (std::string line; std::getline(doc, line);)
    if (std::regex_search(line, m, row)) layers[m[2]] = std::stoi(m[1]);
  return layers;
}

struct Include {
  std::string target;  // the quoted path, or <Qt header> for a Qt include
  int line = 0;
};

std::vector<Include> IncludesOf(const fs::path& file) {
  std::ifstream in(file);
  static const std::regex quoted(R"re(^\s*#\s*include\s+"([^"]+)")re");
  static const std::regex qt(R"(^\s*#\s*include\s+<(Q[A-Za-z]+)>)");
  std::vector<Include> found;
  std::smatch m;
  int n = 0;
  for (std::string line; std::getline(in, line);) {
    ++n;
    if (std::regex_search(line, m, quoted)) found.push_back({m[1], n});
    else if (std::regex_search(line, m, qt)) found.push_back({"<" + m[1].str() + ">", n});
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

}  // namespace
