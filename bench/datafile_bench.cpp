// Time to save a configuration as a data file pair and to open it again.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "datafile/data_file.h"
#include "support/random_config.h"

namespace {

struct Folder {
  explicit Folder(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
    std::string tmpl = (base / "zq4071-bench-XXXXXX").string();
    path = mkdtemp(tmpl.data()) ? tmpl : std::filesystem::temp_directory_path().string();
  }
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::filesystem::path path;
};

// A configuration with channels in every group, as a busy dealer's file has.
struct Document : zq::EditedDocument {
  Document() { config = zq::testing::RandomConfig(1).Make(); }
};

void SaveInto(benchmark::State& state, const Folder& folder) {
  Document d;
  for (auto _ : state) {
    auto result = zq::SaveDataFile(folder.path / "bench.dat", d);
    if (!result.ok()) state.SkipWithError("save failed");
  }
}

// On the disk: most of the time is the disk making both files durable.
void BM_SaveDataFile(benchmark::State& state) { SaveInto(state, Folder()); }
BENCHMARK(BM_SaveDataFile)->Unit(benchmark::kMicrosecond);

// In memory (/dev/shm): the program's own share of a save.
void BM_SaveDataFileInMemory(benchmark::State& state) {
  if (!std::filesystem::is_directory("/dev/shm")) return state.SkipWithError("no /dev/shm");
  SaveInto(state, Folder("/dev/shm"));
}
BENCHMARK(BM_SaveDataFileInMemory)->Unit(benchmark::kMicrosecond);

void BM_OpenDataFile(benchmark::State& state) {
  Folder folder;
  Document d;
  zq::SaveDataFile(folder.path / "bench.dat", d);
  zq::VersionList versions{"V100", {"V100"}, {{"V100", "V100"}}};
  for (auto _ : state) {
    auto result = zq::OpenDataFile(folder.path / "bench.dat", versions, d);
    if (!result.ok()) state.SkipWithError("open failed");
  }
}
BENCHMARK(BM_OpenDataFile)->Unit(benchmark::kMicrosecond);

}  // namespace
