#include "datafile/record_bytes.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

#include "datafile/member_transfer.h"

namespace zq {
namespace {

// Walks members over a byte span, writing them (kReading false) or reading them back.
template <bool kReading>
class ByteStream {
 public:
  using Stored = std::conditional_t<kReading, const uint8_t, uint8_t>;
  explicit ByteStream(std::span<Stored> bytes) : bytes_(bytes) {}

  template <class T>
  void Int16(T& v) {
    auto p = Take(2);
    if constexpr (kReading)
      v = static_cast<int16_t>(p[0] | (p[1] << 8));
    else {
      p[0] = static_cast<uint8_t>(v);
      p[1] = static_cast<uint8_t>(static_cast<uint16_t>(v) >> 8);
    }
  }

  template <class T>
  void Byte(T& v) {
    auto p = Take(1);
    if constexpr (kReading)
      v = p[0];
    else
      p[0] = v;
  }

  template <class C>
  void Chars(C* text, std::size_t n) {
    auto p = Take(n);
    for (std::size_t k = 0; k < n; ++k) {
      if constexpr (kReading)
        text[k] = static_cast<char>(p[k]);
      else
        p[k] = static_cast<uint8_t>(text[k]);
    }
  }

  template <class Options>
  void OptionField(Options& opt, const OptFieldDef& def) {
    for (int k = 0; k < def.shape.elements(); ++k) {
      auto [i, j] = ElementIndexes(def, k);
      auto field = opt.bytes().subspan(ElementOffset(def, i, j), def.width());
      if (def.kind == FieldKind::Text)
        TextElement(field, def.chars);
      else
        Copy(field, Take(field.size()));
    }
  }

  std::size_t position() const { return pos_; }

 private:
  std::span<Stored> Take(std::size_t n) {
    if (pos_ + n > bytes_.size()) throw std::logic_error("stored record larger than its file record");
    auto part = bytes_.subspan(pos_, n);
    pos_ += n;
    return part;
  }

  // Memory keeps two bytes (UTF-16) a character, the file one.
  template <class Field>
  void TextElement(Field field, int chars) {
    auto p = Take(chars);
    for (int c = 0; c < chars; ++c) {
      if constexpr (kReading) {
        field[2 * c] = p[c];
        field[2 * c + 1] = 0;
      } else {
        p[c] = StoredTextByte(static_cast<char16_t>(field[2 * c] | (field[2 * c + 1] << 8)));
      }
    }
  }

  template <class Field>
  static void Copy(Field memory, std::span<Stored> stored) {
    if constexpr (kReading)
      std::copy(stored.begin(), stored.end(), memory.begin());
    else
      std::copy(memory.begin(), memory.end(), stored.begin());
  }

  std::span<Stored> bytes_;
  std::size_t pos_ = 0;
};

using ByteWriter = ByteStream<false>;
using ByteReader = ByteStream<true>;

}  // namespace

std::vector<uint8_t> EncodeSettingsRecord(const RadioConfig& cfg) {
  std::vector<uint8_t> bytes(kDataFileSize, 0);
  ByteWriter writer{std::span<uint8_t>(bytes)};
  VisitStoredSettings(cfg, [&](auto, auto&& member) { TransferMember(writer, member); });
  return bytes;
}

std::vector<uint8_t> EncodeSettingsRecord(const RadioConfig& cfg, const FixedText<4>& dataVersion,
                                          const IdentityRecord& identity) {
  std::vector<uint8_t> bytes(kDataFileSize, 0);
  ByteWriter writer{std::span<uint8_t>(bytes)};
  VisitStoredSettings(cfg, [&](auto, auto&& member) {
    using Member = std::remove_cvref_t<decltype(member)>;
    if constexpr (std::is_same_v<Member, IdentityRecord>)
      TransferMember(writer, identity);
    else if constexpr (std::is_same_v<Member, FixedText<4>>)
      TransferMember(writer, &member == &cfg.DataVersion ? dataVersion : member);
    else
      TransferMember(writer, member);
  });
  return bytes;
}

void DecodeSettingsRecord(std::span<const uint8_t, kDataFileSize> bytes, RadioConfig& cfg) {
  ByteReader reader{std::span<const uint8_t>(bytes)};
  VisitStoredSettings(cfg, [&](auto, auto&& member) { TransferMember(reader, member); });
}

GroupBandTable StoredChannelCounts(std::span<const uint8_t, kDataFileSize> bytes) {
  // The members the header of the record holds, walked by the same list.
  struct {
    FixedText<4> DataVersion;
    decltype(RadioConfig::RangeType) RangeType{};
    decltype(RadioConfig::Flags) Flags{};
    GroupBandTable SelectionFlags, ChannelCount;
    IdentityRecord Identity;
  } header;
  ByteReader reader{std::span<const uint8_t>(bytes)};
  VisitSettingsHeader(header, [&](auto, auto&& member) { TransferMember(reader, member); });
  return header.ChannelCount;
}

void EncodeChannelRecord(const ChannelRecord& record, std::span<uint8_t, kChannelRecordSize> out) {
  ByteWriter writer{std::span<uint8_t>(out)};
  TransferMember(writer, record);
}

ChannelRecord DecodeChannelRecord(std::span<const uint8_t, kChannelRecordSize> bytes) {
  ChannelRecord record;
  ByteReader reader{std::span<const uint8_t>(bytes)};
  TransferMember(reader, record);
  return record;
}

std::size_t StoredSettingsSize() {
  ByteCounter counter;
  const RadioConfig any;
  VisitStoredSettings(any, [&](auto, auto&& member) { TransferMember(counter, member); });
  return counter.size();
}

}  // namespace zq
