// Runs a fuzz target once on every input it is given (files, or every file of
// a folder), as the ordinary test suite does where libFuzzer is not built in.
// Each input sits in a buffer of exactly its size, as libFuzzer hands it over,
// so a read past its end is one a sanitizer sees.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "fuzz_support.h"

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& path) {
  if (!std::filesystem::is_directory(path)) return {path};
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(path))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

bool Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::vector<char> content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto exact = std::make_unique<uint8_t[]>(content.size() + (content.empty() ? 1 : 0));
  std::copy(content.begin(), content.end(), exact.get());
  LLVMFuzzerTestOneInput(exact.get(), content.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const auto& file : InputsOf(argv[i])) {
      if (!Replay(file)) {
        std::fprintf(stderr, "%s: cannot be read\n", file.string().c_str());
        return 1;
      }
      ++replayed;
    }
  }
  std::printf("%d inputs replayed\n", replayed);
  // A replay that found nothing to run has checked nothing.
  return replayed > 0 ? 0 : 1;
}
