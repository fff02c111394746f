#include "datafile/json_text_check.h"

#include <nlohmann/json.hpp>
#include <string>

namespace zq {
namespace {

using json = nlohmann::ordered_json;

// Every value is accepted and dropped; only the depth and the first fault are kept.
class TextChecker final : public nlohmann::json_sax<json> {
 public:
  JsonResult result;

  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(number_integer_t) override { return true; }
  bool number_unsigned(number_unsigned_t) override { return true; }
  bool number_float(number_float_t, const string_t&) override { return true; }
  bool string(string_t&) override { return true; }
  bool binary(binary_t&) override { return true; }
  bool key(string_t&) override { return true; }
  bool start_object(std::size_t) override { return Enter(); }
  bool start_array(std::size_t) override { return Enter(); }
  bool end_object() override { return Leave(); }
  bool end_array() override { return Leave(); }
  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) override {
    result = {JsonStatus::Malformed, std::to_string(position)};
    return false;
  }

 private:
  bool Enter() {
    if (++depth_ <= kMaxJsonDepth) return true;
    result = {JsonStatus::TooDeep, std::to_string(kMaxJsonDepth)};
    return false;
  }
  bool Leave() {
    --depth_;
    return true;
  }

  int depth_ = 0;
};

}  // namespace

JsonResult CheckJsonText(std::string_view text) {
  TextChecker checker;
  json::sax_parse(text.begin(), text.end(), &checker);
  return checker.result;
}

}  // namespace zq
