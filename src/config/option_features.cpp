#include "config/option_features.h"

#include <bit>
#include <cstring>
#include <stdexcept>
#include <string>

namespace zq {
namespace {

bool InDim(int index, int count, int first) { return index >= first && index < first + count; }

}  // namespace

int ElementOffset(const OptFieldDef& def, int i, int j) {
  const FieldShape& s = def.shape;
  bool ok = (s.dims == 0 && i == -1 && j == -1) || (s.dims == 1 && InDim(i, s.count1, s.first1) && j == -1) ||
            (s.dims == 2 && InDim(i, s.count1, s.first1) && InDim(j, s.count2, s.first2));
  if (!ok)
    throw std::out_of_range("option field " + std::string(def.name) + " has no element (" + std::to_string(i) + ", " +
                            std::to_string(j) + ")");
  int offset = def.offset;
  if (s.dims >= 1) offset += (i - s.first1) * s.stride1;
  if (s.dims == 2) offset += (j - s.first2) * s.stride2;
  return offset;
}

std::pair<int, int> ElementIndexes(const OptFieldDef& def, int k) {
  const FieldShape& s = def.shape;
  if (s.dims == 0) return {-1, -1};
  if (s.dims == 1) return {s.first1 + k, -1};
  return {s.first1 + k / s.count2, s.first2 + k % s.count2};
}

int ReadInt(std::span<const uint8_t> b, FieldKind kind) {
  switch (kind) {
    case FieldKind::U8: return b[0];
    case FieldKind::I16: return static_cast<int16_t>(b[0] | (b[1] << 8));
    case FieldKind::I32:
      return static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
    default: throw std::logic_error("not an integer field");
  }
}

void WriteInt(std::span<uint8_t> b, FieldKind kind, long long value) {
  auto v = static_cast<uint32_t>(value);
  int width = kind == FieldKind::U8 ? 1 : kind == FieldKind::I16 ? 2 : kind == FieldKind::I32 ? 4 : 0;
  if (width == 0) throw std::logic_error("not an integer field");
  for (int k = 0; k < width; ++k) b[k] = static_cast<uint8_t>(v >> (8 * k));
}

double ReadReal(std::span<const uint8_t> b) {
  uint64_t bits = 0;
  for (int k = 0; k < 8; ++k) bits |= uint64_t(b[k]) << (8 * k);
  return std::bit_cast<double>(bits);
}

void WriteReal(std::span<uint8_t> b, double value) {
  auto bits = std::bit_cast<uint64_t>(value);
  for (int k = 0; k < 8; ++k) b[k] = static_cast<uint8_t>(bits >> (8 * k));
}

std::u16string ReadText(std::span<const uint8_t> b) {
  std::u16string text(b.size() / 2, u'\0');
  for (std::size_t k = 0; k < text.size(); ++k) text[k] = static_cast<char16_t>(b[2 * k] | (b[2 * k + 1] << 8));
  return text;
}

void WriteText(std::span<uint8_t> b, std::u16string_view text) {
  for (std::size_t k = 0; k < b.size() / 2; ++k) {
    char16_t c = k < text.size() ? text[k] : u' ';
    b[2 * k] = static_cast<uint8_t>(c);
    b[2 * k + 1] = static_cast<uint8_t>(c >> 8);
  }
}

int OptionFeatures::GetInt(Opt f, int i, int j) const {
  const auto& def = FieldDef(f);
  return ReadInt(std::span(bytes_).subspan(ElementOffset(def, i, j), def.width()), def.kind);
}

void OptionFeatures::SetInt(Opt f, long long value, int i, int j) {
  const auto& def = FieldDef(f);
  WriteInt(std::span(bytes_).subspan(ElementOffset(def, i, j), def.width()), def.kind, value);
}

double OptionFeatures::GetReal(Opt f, int i, int j) const {
  const auto& def = FieldDef(f);
  if (def.kind != FieldKind::F64) throw std::logic_error("not a real field");
  return ReadReal(std::span(bytes_).subspan(ElementOffset(def, i, j), 8));
}

void OptionFeatures::SetReal(Opt f, double value, int i, int j) {
  const auto& def = FieldDef(f);
  if (def.kind != FieldKind::F64) throw std::logic_error("not a real field");
  WriteReal(std::span(bytes_).subspan(ElementOffset(def, i, j), 8), value);
}

std::u16string OptionFeatures::GetText(Opt f, int i, int j) const {
  const auto& def = FieldDef(f);
  if (def.kind != FieldKind::Text) throw std::logic_error("not a text field");
  return ReadText(std::span(bytes_).subspan(ElementOffset(def, i, j), def.width()));
}

void OptionFeatures::SetText(Opt f, std::u16string_view value, int i, int j) {
  const auto& def = FieldDef(f);
  if (def.kind != FieldKind::Text) throw std::logic_error("not a text field");
  WriteText(std::span(bytes_).subspan(ElementOffset(def, i, j), def.width()), value);
}

IntRef OptionFeatures::WorkGroup(Band band) { return Ref<FieldKind::I16>(Opt::WorkGroup, BandIndex(band)); }
int OptionFeatures::WorkGroup(Band band) const { return GetInt(Opt::WorkGroup, BandIndex(band)); }
IntRef OptionFeatures::WorkChannel(BandGroup g) {
  return Ref<FieldKind::I16>(Opt::WorkChannel, g.number, BandIndex(g.band));
}
int OptionFeatures::WorkChannel(BandGroup g) const { return GetInt(Opt::WorkChannel, g.number, BandIndex(g.band)); }
IntRef OptionFeatures::GroupValid(BandGroup g) {
  return Ref<FieldKind::I16>(Opt::GroupValid, g.number, BandIndex(g.band));
}
int OptionFeatures::GroupValid(BandGroup g) const { return GetInt(Opt::GroupValid, g.number, BandIndex(g.band)); }
TextRef OptionFeatures::GroupName(BandGroup g) {
  return Ref<FieldKind::Text>(Opt::GroupName, g.number, BandIndex(g.band));
}
std::u16string OptionFeatures::GroupName(BandGroup g) const {
  return GetText(Opt::GroupName, g.number, BandIndex(g.band));
}
IntRef OptionFeatures::PublicParams(Band band, int row) {
  return Ref<FieldKind::I16>(Opt::PublicParams, BandIndex(band), row);
}
int OptionFeatures::PublicParams(Band band, int row) const { return GetInt(Opt::PublicParams, BandIndex(band), row); }

}  // namespace zq
