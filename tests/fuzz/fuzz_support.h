#pragma once
// What the fuzz targets share: their entry point, the way a broken invariant is
// reported (libFuzzer keeps the input as a finding; the replay fails), and the
// configuration every target starts from.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "config/radio_config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace zq::fuzz {

[[noreturn]] void Broken(const char* invariant, const char* file, int line);

// The program's defaults with a few channels in HF group 1 and in the HAM
// memory group, and special slot 1 in use; made once.
const RadioConfig& BaseConfig();
const DocumentState& BaseDocument();

inline std::string_view TextOf(std::span<const uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace zq::fuzz

#define FUZZ_CHECK(condition) ((condition) ? void(0) : ::zq::fuzz::Broken(#condition, __FILE__, __LINE__))
