// Time to build the radio's memory image from a configuration and to parse it back.
#include <benchmark/benchmark.h>

#include "image/image_codec.h"
#include "support/random_config.h"

namespace {

void BM_EncodeImage(benchmark::State& state) {
  zq::RadioConfig cfg = zq::testing::RandomConfig(1).Make();
  zq::MemoryImage image;
  for (auto _ : state) {
    zq::ClearImage(image);
    zq::EncodeImage(cfg, image);
    benchmark::DoNotOptimize(image.bytes().data());
  }
}
BENCHMARK(BM_EncodeImage)->Unit(benchmark::kMicrosecond);

void BM_DecodeImage(benchmark::State& state) {
  zq::RadioConfig cfg = zq::testing::RandomConfig(1).Make();
  zq::MemoryImage image;
  zq::EncodeImage(cfg, image);
  for (auto _ : state) {
    zq::DecodeImage(image, cfg);
    benchmark::DoNotOptimize(&cfg);
  }
}
BENCHMARK(BM_DecodeImage)->Unit(benchmark::kMicrosecond);

}  // namespace
