#include "image/image_bytes.h"

#include "text/plain_text.h"

namespace zq {

void StoreBcdFrequency(MemoryImage& image, uint32_t offset, std::string_view digits) {
  bool valid = digits.size() == 8 && IsAllDigits(digits);
  for (uint32_t k = 0; k < 4; ++k) {
    uint8_t byte = valid ? static_cast<uint8_t>((digits[2 * k] - '0') << 4 | (digits[2 * k + 1] - '0')) : 0xFF;
    image.Put(offset + k, byte);
  }
}

std::string LoadBcdText(const MemoryImage& image, uint32_t offset) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (uint32_t k = 0; k < 4; ++k) {
    uint8_t byte = image.Get(offset + k);
    text += kHex[byte >> 4];
    text += kHex[byte & 0xF];
  }
  return text;
}

uint8_t CharByte(char16_t c) { return c <= 0xFF ? static_cast<uint8_t>(c) : static_cast<uint8_t>('?'); }

}  // namespace zq

namespace zq {
namespace {

// Characters of bytes 0x80-0x9F in the Western code page (1252); the five
// unassigned bytes stand for themselves.
constexpr char16_t kWestern80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint8_t WesternByte(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<uint8_t>(c);
  for (int k = 0; k < 32; ++k)
    if (kWestern80[k] == c) return static_cast<uint8_t>(0x80 + k);
  return '?';
}

char16_t WesternChar(uint8_t b) { return b >= 0x80 && b < 0xA0 ? kWestern80[b - 0x80] : char16_t(b); }

}  // namespace

std::string BtNameBytes(std::u16string_view name, bool westernCodePage) {
  std::string bytes;
  for (char16_t c : Cleaned(name)) {
    if (westernCodePage) {
      bytes += static_cast<char>(WesternByte(c));
    } else {
      if (c & 0xFF) bytes += static_cast<char>(c & 0xFF);
      if (c >> 8) bytes += static_cast<char>(c >> 8);
    }
  }
  return bytes.substr(0, 16);
}

std::u16string BtNameFromBytes(std::string_view bytes, bool westernCodePage) {
  std::u16string name;
  for (char b : CutAtNul(bytes)) {
    auto byte = static_cast<uint8_t>(b);
    name += westernCodePage ? WesternChar(byte) : char16_t(byte);
  }
  return name;
}

}  // namespace zq
