#pragma once
// Temporary folders, raw file access and random configurations for the data-file tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "config/defaults.h"
#include "config/radio_config.h"
#include "datafile/data_file.h"
#include "datafile/version_list.h"
#include "datafile/working_copy.h"

namespace zq::test {

// The defaults of a day, with the working copy a save would make of them.
using Document = EditedDocument;

// Saves the configuration as a new document's pair; the identity is normalised
// in `cfg` as every save does it.
inline FileResult SaveAsNewDocument(const std::filesystem::path& file, RadioConfig& cfg) {
  EditedDocument edited{std::move(cfg), {}, {}};
  FileResult result = SaveDataFile(file, edited);
  cfg = std::move(edited.config);
  return result;
}

// Opens a pair into a document of its own.
inline EditedDocument OpenedDocument(const std::filesystem::path& file, const VersionList& versions) {
  EditedDocument opened;
  EXPECT_TRUE(OpenDataFile(file, versions, opened).ok()) << file;
  return opened;
}

// A release that reads and writes V100 only.
inline VersionList V100Versions() { return {"V100", {"V100"}, {{"V100", "V100"}}}; }

inline Document DefaultDocument() {
  Document d;
  SetDefaultValues(d.config, d.document, {2024, 5, 17});
  PackForFile(d.config, d.document, d.working);
  return d;
}

class TempFolder {
 public:
  // A new folder of its own: a name already taken is never reused.
  TempFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
      auto candidate = std::filesystem::temp_directory_path() / ("zq4071-" + std::to_string(random()));
      std::error_code ec;
      if (std::filesystem::create_directory(candidate, ec)) path_ = candidate;
    }
    if (path_.empty()) throw std::runtime_error("no temporary folder");
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::vector<uint8_t> ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadText(const std::filesystem::path& file) {
  auto bytes = ReadBytes(file);
  return {bytes.begin(), bytes.end()};
}

// The lines of a text file, without their line feeds (a CSV log's carriage returns stay).
inline std::vector<std::string> ReadLines(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

inline void WriteText(const std::filesystem::path& file, const std::string& text) {
  WriteBytes(file, std::vector<uint8_t>(text.begin(), text.end()));
}

// Fills every stored member with random values over its whole range.
class Randomiser {
 public:
  explicit Randomiser(uint64_t seed) : rng_(seed) {}

  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  // clang-format 14 would put each requirement of the requires-expressions on a line of its own.
  // clang-format off
  template <class T>
  void Fill(T& member) {
    if constexpr (std::is_same_v<T, int16_t>) {
      member = static_cast<int16_t>(Between(-32768, 32767));
    } else if constexpr (std::is_same_v<T, uint8_t>) {
      member = static_cast<uint8_t>(Between(0, 255));
    } else if constexpr (requires { member.data(); member.size(); T::size(); }) {  // FixedText
      for (std::size_t k = 0; k < T::size(); ++k) member[k] = static_cast<char>(Between(0, 255));
    } else if constexpr (requires { member.begin(); member.end(); }) {  // std::array
      for (auto& e : member) Fill(e);
    } else if constexpr (std::is_same_v<T, IdentityRecord>) {
      VisitIdentityFields(member, [&](auto, auto& f) { Fill(f); });
    } else if constexpr (std::is_same_v<T, RadioInformation>) {
      VisitRadioInformationFields(member, [&](auto, auto& f) { Fill(f); });
    } else if constexpr (std::is_same_v<T, ChannelRecord>) {
      VisitChannelFields(member, [&](auto, auto& f) { Fill(f); });
    } else {
      static_assert(std::is_same_v<T, void>, "no random value for this member");
    }
  }
  // clang-format on

  // Every element of every option field: integers over the field's width, any
  // finite number, texts of characters a data file can keep (U+0000-U+00FF).
  void FillOptions(OptionFeatures& opt) {
    for (const auto& def : kOptionFields) {
      const auto id = static_cast<Opt>(&def - kOptionFields);
      for (int k = 0; k < def.shape.elements(); ++k) {
        auto [i, j] = ElementIndexes(def, k);
        switch (def.kind) {
          case FieldKind::U8: opt.SetInt(id, Between(0, 255), i, j); break;
          case FieldKind::I16: opt.SetInt(id, Between(-32768, 32767), i, j); break;
          case FieldKind::I32: opt.SetInt(id, std::uniform_int_distribution<int32_t>()(rng_), i, j); break;
          case FieldKind::F64: opt.SetReal(id, std::uniform_real_distribution<double>(-1e6, 1e6)(rng_), i, j); break;
          case FieldKind::Text: {
            std::u16string text;
            for (int c = 0; c < def.chars; ++c) text.push_back(static_cast<char16_t>(Between(0, 255)));
            opt.SetText(id, text, i, j);
            break;
          }
        }
      }
    }
  }

  // A whole configuration; each existing group holds a random number of channels.
  void FillConfig(RadioConfig& cfg) {
    Fill(cfg.DataVersion);
    Fill(cfg.RangeType);
    Fill(cfg.Flags);
    Fill(cfg.SelectionFlags.raw());
    for (const Band band : kBands) {
      for (int group = 1; group <= kMaxGroups; ++group) {
        int capacity = GroupCapacity({band, group});
        cfg.Count({band, group}) = static_cast<int16_t>(capacity > 0 ? Between(0, capacity) : Between(-5, 5));
        for (int k = 1; k <= std::max(0, capacity > 0 ? int(cfg.Count({band, group})) : 0); ++k)
          Fill(cfg.Channel({band, group}, k));
      }
    }
    Fill(cfg.Identity);
    FillOptions(cfg.Options);
    VisitFurtherSettings(cfg, [&](auto, auto& member) { Fill(member); });
    for (auto& special : cfg.SpecialChannelSlots) Fill(special);
  }

 private:
  std::mt19937_64 rng_;
};

}  // namespace zq::test
