#pragma once
// The data file pair as a JSON document: every stored member by name, texts
// character for character (trailing blanks and NULs included), and the channel
// records of each group as a list. Reading refuses anything that is not exactly
// such a document, naming the member at fault.
#include <string>
#include <string_view>

#include "datafile/working_copy.h"
#include "text/language_table.h"

namespace zq {

std::string DumpJson(const WorkingCopy& stored);

enum class JsonStatus { Ok, Malformed, TooDeep, UnknownMember, MissingMember, WrongType, OutOfRange, CountMismatch };

struct JsonResult {
  JsonStatus status = JsonStatus::Ok;
  std::string where;  // the member as a JSON pointer ("/Options/Tot"), the byte offset of a syntax error,
                      // or the allowed depth of nesting
  bool ok() const { return status == JsonStatus::Ok; }
  Txt message() const;
};
// The message with the member (or position) it concerns.
std::string JsonResultText(const JsonResult& result, int language);

// `out` changes only on success.
JsonResult LoadJson(std::string_view text, WorkingCopy& out);

}  // namespace zq
