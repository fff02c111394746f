#pragma once
// Byte-level helpers shared by the image encoder and decoder.
#include <cstdint>
#include <string>
#include <string_view>

#include "image/memory_image.h"

namespace zq {

// Stores `value`, cut to `width` bits, at bit `pos` of a byte. A full byte is
// replaced; a narrower field is ORed into the byte, which starts cleared. Cutting
// to the width keeps a too-wide value out of the neighbouring field.
inline void StoreBits(MemoryImage& image, uint32_t offset, long long value, int pos, int width) {
  uint32_t mask = (1u << width) - 1;
  auto bits = static_cast<uint8_t>((static_cast<uint32_t>(value) & mask) << pos);
  if (width == 8)
    image.Put(offset, bits);
  else
    image.Or(offset, bits);
}

inline int LoadBits(const MemoryImage& image, uint32_t offset, int pos, int width) {
  return (image.Get(offset) >> pos) & ((1 << width) - 1);
}

// Bit n of a bitmap that starts at `base`, least significant bit first.
inline void StoreBitmapBit(MemoryImage& image, uint32_t base, int n, long long value) {
  StoreBits(image, base + uint32_t(n / 8), value, n % 8, 1);
}
inline int LoadBitmapBit(const MemoryImage& image, uint32_t base, int n) {
  return LoadBits(image, base + uint32_t(n / 8), n % 8, 1);
}

// Eight decimal digits as four packed BCD bytes ("28145000" -> 28 14 50 00);
// anything else gives FF FF FF FF.
void StoreBcdFrequency(MemoryImage& image, uint32_t offset, std::string_view digits);
// Four bytes as eight upper-case hexadecimal digits; decimal digits only when
// every nibble is below 10.
std::string LoadBcdText(const MemoryImage& image, uint32_t offset);

// A character of a text as the single byte the radio stores: Latin-1, "?" for others.
uint8_t CharByte(char16_t c);

}  // namespace zq

namespace zq {

// The Bluetooth device name as the radio keeps it (at most 16 bytes). On a
// German system the name goes through the Western code page; elsewhere the
// radio gets the name's UTF-16LE bytes with every zero byte left out.
std::string BtNameBytes(std::u16string_view name, bool westernCodePage);
std::u16string BtNameFromBytes(std::string_view bytes, bool westernCodePage);

}  // namespace zq
