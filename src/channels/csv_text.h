#pragma once
// Comma-separated text in the form RFC 4180 describes: fields separated by
// commas; a field holding a comma, a quote or a line break is enclosed in
// quotes, with every inner quote doubled; each record ends with CRLF.
// The reader is forgiving where files from spreadsheets and other programs
// differ: LF or CR line ends, a UTF-8 byte-order mark, empty lines, lines
// starting with "#" as comments, and a quote inside an unquoted field taken as
// a plain character.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "text/language_table.h"

namespace zq {

struct CsvRecord {
  int line = 0;  // the physical line the record starts on, 1-based
  std::vector<std::string> fields;
  std::optional<Txt> error;  // the record could not be read; its fields are incomplete
};

// Every record of the text, in order. A broken record (a quote never closed,
// text after a closing quote) comes back with its error and the reader goes on
// at the next line; a quote never closed swallows the rest of the text.
std::vector<CsvRecord> ReadCsvRecords(std::string_view text);

// One field as it is written: quoted only when it has to be.
std::string CsvField(std::string_view value);
// One record with its CRLF. A first field starting with "#" is quoted so the
// record is not read back as a comment.
std::string CsvRecordText(std::span<const std::string> fields);

// Physical lines of a text (a last line without a line end counts).
int CountLines(std::string_view text);

}  // namespace zq
