#include "channels/csv_text.h"

namespace zq {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

class CsvReader {
 public:
  explicit CsvReader(std::string_view text) : text_(text) {
    if (text_.substr(0, kUtf8Bom.size()) == kUtf8Bom) pos_ = kUtf8Bom.size();
  }

  std::vector<CsvRecord> ReadAll() {
    std::vector<CsvRecord> records;
    while (!AtEnd()) {
      if (AtLineEnd())
        SkipLineEnd();
      else if (Peek() == '#')
        SkipRestOfLine();
      else
        records.push_back(ReadRecord());
    }
    return records;
  }

 private:
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return text_[pos_]; }
  bool AtLineEnd() const { return AtEnd() || Peek() == '\r' || Peek() == '\n'; }

  // CRLF, LF or a lone CR: one line end.
  std::string_view SkipLineEnd() {
    std::size_t start = pos_;
    if (!AtEnd() && Peek() == '\r') ++pos_;
    if (!AtEnd() && Peek() == '\n') ++pos_;
    ++line_;
    return text_.substr(start, pos_ - start);
  }

  void SkipRestOfLine() {
    while (!AtLineEnd()) ++pos_;
    if (!AtEnd()) SkipLineEnd();
  }

  CsvRecord ReadRecord() {
    CsvRecord record;
    record.line = line_;
    for (;;) {
      std::string field;
      // After a comma the text may already be at its end: the last field is then empty.
      if (!AtEnd() && Peek() == '"') {
        if (!ReadQuoted(field)) {
          record.error = Txt::CsvQuoteNotClosed;
          return record;
        }
        if (!AtLineEnd() && Peek() != ',') {
          record.error = Txt::CsvTextAfterQuote;
          SkipRestOfLine();
          return record;
        }
      } else {
        while (!AtLineEnd() && Peek() != ',') field += text_[pos_++];
      }
      record.fields.push_back(std::move(field));
      if (!AtEnd() && Peek() == ',') {
        ++pos_;
        continue;
      }
      if (!AtEnd()) SkipLineEnd();
      return record;
    }
  }

  // From the opening quote to just after the closing one; false at the end of
  // the text without a closing quote.
  bool ReadQuoted(std::string& field) {
    ++pos_;
    while (!AtEnd()) {
      char c = Peek();
      if (c == '"') {
        ++pos_;
        if (AtEnd() || Peek() != '"') return true;
        field += '"';
        ++pos_;
      } else if (c == '\r' || c == '\n') {
        field += SkipLineEnd();
      } else {
        field += c;
        ++pos_;
      }
    }
    return false;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

std::string Quoted(std::string_view value) {
  std::string out = "\"";
  for (char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

}  // namespace

std::vector<CsvRecord> ReadCsvRecords(std::string_view text) { return CsvReader(text).ReadAll(); }

std::string CsvField(std::string_view value) {
  bool needsQuotes = value.find_first_of(",\"\r\n") != std::string_view::npos;
  return needsQuotes ? Quoted(value) : std::string(value);
}

std::string CsvRecordText(std::span<const std::string> fields) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    bool readAsComment = i == 0 && !fields[i].empty() && fields[i].front() == '#';
    out += readAsComment ? Quoted(fields[i]) : CsvField(fields[i]);
  }
  return out + "\r\n";
}

int CountLines(std::string_view text) {
  int lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++lines;
  }
  bool openLastLine = !text.empty() && text.back() != '\n' && text.back() != '\r';
  return lines + (openLastLine ? 1 : 0);
}

}  // namespace zq
