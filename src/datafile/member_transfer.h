#pragma once
// Moves one stored member through a byte stream. The stream decides the
// direction (write, read or just count); this file decides how each kind of
// member is laid out: 16-bit integers little-endian, single bytes, fixed texts
// one byte per character, arrays element by element, records field by field,
// option-features fields element by element in their table order.
#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "config/radio_config.h"
#include "datafile/stored_layout.h"

namespace zq {

template <class T>
inline constexpr bool kIsFixedText = false;
template <std::size_t N>
inline constexpr bool kIsFixedText<FixedText<N>> = true;

template <class T>
inline constexpr bool kIsStdArray = false;
template <class E, std::size_t N>
inline constexpr bool kIsStdArray<std::array<E, N>> = true;

template <class T>
inline constexpr bool kIsOptionSlot = false;
template <class O>
inline constexpr bool kIsOptionSlot<OptionFieldSlot<O>> = true;

template <class T>
inline constexpr bool kUnsupportedMember = false;

template <class Stream, class T>
void TransferMember(Stream& s, T& member) {
  using V = std::remove_const_t<T>;
  if constexpr (std::is_same_v<V, int16_t>) {
    s.Int16(member);
  } else if constexpr (std::is_same_v<V, uint8_t>) {
    s.Byte(member);
  } else if constexpr (kIsFixedText<V>) {
    s.Chars(member.data(), V::size());
  } else if constexpr (kIsStdArray<V>) {
    for (auto& element : member) TransferMember(s, element);
  } else if constexpr (std::is_same_v<V, GroupBandTable>) {
    TransferMember(s, member.raw());
  } else if constexpr (std::is_same_v<V, IdentityRecord>) {
    VisitIdentityFields(member, [&](auto, auto& field) { TransferMember(s, field); });
  } else if constexpr (std::is_same_v<V, RadioInformation>) {
    VisitRadioInformationFields(member, [&](auto, auto& field) { TransferMember(s, field); });
  } else if constexpr (std::is_same_v<V, ChannelRecord>) {
    VisitChannelFields(member, [&](auto, auto& field) { TransferMember(s, field); });
  } else if constexpr (kIsOptionSlot<V>) {
    s.OptionField(member.options, member.def);
  } else {
    static_assert(kUnsupportedMember<V>, "no stored form for this member type");
  }
}

// Bytes an option-features field takes in a data file: its texts shrink to one
// byte per character, everything else keeps its width.
inline constexpr int StoredFieldSize(const OptFieldDef& def) {
  int perElement = def.kind == FieldKind::Text ? def.chars : def.width();
  return perElement * def.shape.elements();
}

// Counts bytes without touching any.
class ByteCounter {
 public:
  void Int16(int16_t) { size_ += 2; }
  void Byte(uint8_t) { size_ += 1; }
  void Chars(const char*, std::size_t n) { size_ += n; }
  void OptionField(const OptionFeatures&, const OptFieldDef& def) { size_ += StoredFieldSize(def); }
  std::size_t size() const { return size_; }

 private:
  std::size_t size_ = 0;
};

}  // namespace zq
