#pragma once
// SHA-256 (FIPS 180-4) of a byte string, for the record of what each radio was
// written with: the same hexadecimal text sha256sum prints for the image file.
#include <cstdint>
#include <span>
#include <string>

namespace zq {

// 64 lowercase hexadecimal digits.
std::string Sha256Hex(std::span<const uint8_t> bytes);

}  // namespace zq
