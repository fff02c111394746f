#pragma once
// OptionFeatures: the radio-wide settings record, 2508 bytes, little-endian,
// texts two bytes (UTF-16) per character. Fields are reached by name through
// accessors generated from ZQ_OPTION_FIELDS:
//   int tot = opt.Tot();                 // read
//   opt.Tot() = 12;                      // write
//   opt.WorkChannel({kHF, 3}) = 7;       // per group of a band: a BandGroup
//   opt.GroupName({kCB, 1}) = u"US";     // texts are padded with blanks
// An index outside a field's shape is a program error and throws std::out_of_range.
#include <array>
#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "config/band_layout.h"
#include "config/option_fields.h"

namespace zq {

inline constexpr int kOptionFeaturesSize = 2508;

enum class FieldKind : uint8_t { I16, U8, I32, F64, Text };

// Where the elements of a field lie: up to two dimensions, each with a count,
// a byte stride and the number of its first index.
struct FieldShape {
  int count1 = 1, stride1 = 0, first1 = 0;
  int count2 = 1, stride2 = 0, first2 = 0;
  int dims = 0;
  constexpr int elements() const { return count1 * count2; }
};
constexpr FieldShape One() { return {}; }
constexpr FieldShape List(int count, int stride, int first) { return {count, stride, first, 1, 0, 0, 1}; }
constexpr FieldShape Grid(int c1, int s1, int f1, int c2, int s2, int f2) { return {c1, s1, f1, c2, s2, f2, 2}; }

enum class Opt : uint8_t {
#define ZQ_X(name, kind, offset, chars, shape) name,
  ZQ_OPTION_FIELDS(ZQ_X)
#undef ZQ_X
};

struct OptFieldDef {
  std::string_view name;
  FieldKind kind;
  int offset;
  int chars;
  FieldShape shape;
  // Bytes of one element in the record.
  constexpr int width() const {
    switch (kind) {
      case FieldKind::U8: return 1;
      case FieldKind::I16: return 2;
      case FieldKind::I32: return 4;
      case FieldKind::F64: return 8;
      case FieldKind::Text: return 2 * chars;
    }
    return 0;
  }
};

inline constexpr OptFieldDef kOptionFields[] = {
#define ZQ_X(name, kind, offset, chars, shape) {#name, FieldKind::kind, offset, chars, shape},
    ZQ_OPTION_FIELDS(ZQ_X)
#undef ZQ_X
};
inline constexpr int kOptionFieldCount = static_cast<int>(std::size(kOptionFields));

constexpr const OptFieldDef& FieldDef(Opt f) { return kOptionFields[static_cast<int>(f)]; }
// Byte offset of element (i, j) of a field; throws std::out_of_range for a bad index.
int ElementOffset(const OptFieldDef& def, int i = -1, int j = -1);
// Element number k (0-based, first dimension outermost) as its pair of indexes.
std::pair<int, int> ElementIndexes(const OptFieldDef& def, int k);

// Reads and writes of single elements, by field kind.
int ReadInt(std::span<const uint8_t> bytes, FieldKind kind);
void WriteInt(std::span<uint8_t> bytes, FieldKind kind, long long value);
double ReadReal(std::span<const uint8_t> bytes);
void WriteReal(std::span<uint8_t> bytes, double value);
std::u16string ReadText(std::span<const uint8_t> bytes);
void WriteText(std::span<uint8_t> bytes, std::u16string_view text);  // pads with blanks

class IntRef {
 public:
  IntRef(uint8_t* p, FieldKind kind, int width) : p_(p), kind_(kind), width_(width) {}
  operator int() const { return ReadInt({p_, std::size_t(width_)}, kind_); }  // NOLINT: reads like the value
  IntRef& operator=(long long v) {
    WriteInt({p_, std::size_t(width_)}, kind_, v);
    return *this;
  }
  IntRef& operator=(const IntRef& other) { return *this = static_cast<long long>(static_cast<int>(other)); }

 private:
  uint8_t* p_;
  FieldKind kind_;
  int width_;
};

class RealRef {
 public:
  explicit RealRef(uint8_t* p) : p_(p) {}
  operator double() const { return ReadReal({p_, 8}); }  // NOLINT
  RealRef& operator=(double v) {
    WriteReal({p_, 8}, v);
    return *this;
  }

 private:
  uint8_t* p_;
};

class TextRef {
 public:
  TextRef(uint8_t* p, int chars) : p_(p), chars_(chars) {}
  operator std::u16string() const { return ReadText({p_, std::size_t(2 * chars_)}); }  // NOLINT
  std::u16string str() const { return *this; }
  TextRef& operator=(std::u16string_view v) {
    WriteText({p_, std::size_t(2 * chars_)}, v);
    return *this;
  }
  friend bool operator==(const TextRef& a, std::u16string_view b) { return a.str() == b; }

 private:
  uint8_t* p_;
  int chars_;
};

// The fields kept per group of a band and per band: their accessors take a
// BandGroup or a Band, so that a group and a band cannot change places.
constexpr bool KeptPerBand(Opt f) {
  return f == Opt::WorkGroup || f == Opt::WorkChannel || f == Opt::GroupValid || f == Opt::GroupName ||
         f == Opt::PublicParams;
}
// An index of a field element for the table walkers' Field(): a number, or a
// band for the fields kept per band.
template <class T>
concept FieldIndex = std::convertible_to<T, int> || std::same_as<T, Band>;
template <FieldIndex T>
constexpr int IndexNumber(T index) {
  if constexpr (std::same_as<T, Band>)
    return BandIndex(index);
  else
    return static_cast<int>(index);
}

// Indexes of every other field's accessor: plain numbers.
template <class... T>
concept PlainIndexes = (std::convertible_to<T, int> && ...) && !(std::same_as<T, Band> || ...);

class OptionFeatures {
 public:
  OptionFeatures() { bytes_.fill(0); }

  std::span<uint8_t, kOptionFeaturesSize> bytes() { return bytes_; }
  std::span<const uint8_t, kOptionFeaturesSize> bytes() const { return bytes_; }

  // Generic access by field id, used by table walkers.
  int GetInt(Opt f, int i = -1, int j = -1) const;
  void SetInt(Opt f, long long value, int i = -1, int j = -1);
  double GetReal(Opt f, int i = -1, int j = -1) const;
  void SetReal(Opt f, double value, int i = -1, int j = -1);
  std::u16string GetText(Opt f, int i = -1, int j = -1) const;
  void SetText(Opt f, std::u16string_view value, int i = -1, int j = -1);

#define ZQ_X(name, kind, offset, chars, shape)                                        \
  template <class... T>                                                               \
  requires(!KeptPerBand(Opt::name) && PlainIndexes<T...>) auto name(T... idx) {       \
    return Ref<FieldKind::kind>(Opt::name, static_cast<int>(idx)...);                 \
  }                                                                                   \
  template <class... T>                                                               \
  requires(!KeptPerBand(Opt::name) && PlainIndexes<T...>) auto name(T... idx) const { \
    return Value<FieldKind::kind>(Opt::name, static_cast<int>(idx)...);               \
  }
  ZQ_OPTION_FIELDS(ZQ_X)
#undef ZQ_X

  IntRef WorkGroup(Band band);
  int WorkGroup(Band band) const;
  // Stored group first, band second, as the radio keeps them.
  IntRef WorkChannel(BandGroup g);
  int WorkChannel(BandGroup g) const;
  IntRef GroupValid(BandGroup g);
  int GroupValid(BandGroup g) const;
  TextRef GroupName(BandGroup g);
  std::u16string GroupName(BandGroup g) const;
  // One of the band's common parameters (PublicParam rows).
  IntRef PublicParams(Band band, int row);
  int PublicParams(Band band, int row) const;

  bool operator==(const OptionFeatures&) const = default;

 private:
  template <FieldKind K>
  auto Ref(Opt f, int i = -1, int j = -1) {
    uint8_t* p = bytes_.data() + ElementOffset(FieldDef(f), i, j);
    if constexpr (K == FieldKind::F64)
      return RealRef(p);
    else if constexpr (K == FieldKind::Text)
      return TextRef(p, FieldDef(f).chars);
    else
      return IntRef(p, K, FieldDef(f).width());
  }
  template <FieldKind K>
  auto Value(Opt f, int i = -1, int j = -1) const {
    if constexpr (K == FieldKind::F64)
      return GetReal(f, i, j);
    else if constexpr (K == FieldKind::Text)
      return GetText(f, i, j);
    else
      return GetInt(f, i, j);
  }

  std::array<uint8_t, kOptionFeaturesSize> bytes_;
};

}  // namespace zq
