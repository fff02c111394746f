#pragma once
// The radio's memory: a flat byte space of 0x22200 bytes that a write fills
// from RadioConfig and a read parses back into it.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace zq {

inline constexpr uint32_t kImageSize = 0x22200;

class MemoryImage {
 public:
  MemoryImage() : bytes_(kImageSize, 0) {}

  // Every access is checked against the radio's space; an offset outside it is
  // a program error (std::out_of_range), never a silent store.
  void Put(uint32_t offset, uint8_t value) { bytes_[Checked(offset)] = value; }
  void Or(uint32_t offset, uint8_t bits) { bytes_[Checked(offset)] |= bits; }
  uint8_t Get(uint32_t offset) const { return bytes_[Checked(offset)]; }

  std::span<uint8_t> bytes() { return bytes_; }
  std::span<const uint8_t> bytes() const { return bytes_; }
  bool operator==(const MemoryImage&) const = default;

 private:
  static uint32_t Checked(uint32_t offset) {
    if (offset >= kImageSize) throw std::out_of_range("memory image offset outside the radio's space");
    return offset;
  }
  std::vector<uint8_t> bytes_;
};

}  // namespace zq
