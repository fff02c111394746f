#include "channels/csv_text.h"

#include <gtest/gtest.h>

#include <random>

namespace zq {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvText, QuotedFieldsKeepCommasQuotesAndLineBreaks) {
  auto records = ReadCsvRecords("a,\"b,c\",\"say \"\"hi\"\"\",\"\"\r\n\"two\r\nlines\",x\r\nlast,");

  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].fields, (Fields{"a", "b,c", "say \"hi\"", ""}));
  EXPECT_EQ(records[1].fields, (Fields{"two\r\nlines", "x"}));
  EXPECT_EQ(records[2].fields, (Fields{"last", ""}));
  EXPECT_EQ(records[1].line, 2);
  EXPECT_EQ(records[2].line, 4);  // the quoted line break counts as a line
  for (const CsvRecord& r : records) EXPECT_FALSE(r.error);

  // A text that ends just after a comma is read up to its end and no further:
  // the quote beyond it must not open a field.
  const std::string text = "last,\"";
  auto cut = ReadCsvRecords(std::string_view(text).substr(0, 5));
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].fields, (Fields{"last", ""}));
  EXPECT_FALSE(cut[0].error);
}

TEST(CsvText, LineEndsByteOrderMarkEmptyLinesAndCommentsAreTakenAsFilesHaveThem) {
  auto records =
      ReadCsvRecords("\xEF\xBB\xBFh1,h2\n\n# a comment, with \"a quote\r\nv1,v2\rv3,v4\r\n\r\n#x\nv5,v\"6\n");

  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].fields, (Fields{"h1", "h2"}));
  EXPECT_EQ(records[1].fields, (Fields{"v1", "v2"}));
  EXPECT_EQ(records[2].fields, (Fields{"v3", "v4"}));
  EXPECT_EQ(records[3].fields, (Fields{"v5", "v\"6"}));  // a stray quote inside a field is a character
  EXPECT_EQ(records[0].line, 1);
  EXPECT_EQ(records[1].line, 4);
  EXPECT_EQ(records[2].line, 5);
  EXPECT_EQ(records[3].line, 8);
}

TEST(CsvText, ABrokenRecordIsReportedAndReadingGoesOnAtTheNextLine) {
  auto records = ReadCsvRecords("ok,1\n\"closed\"junk,2\nnext,3\n\"never closed,4\nmore\n");

  ASSERT_EQ(records.size(), 4u);
  EXPECT_FALSE(records[0].error);
  EXPECT_EQ(records[1].error, Txt::CsvTextAfterQuote);
  EXPECT_EQ(records[1].line, 2);
  EXPECT_EQ(records[2].fields, (Fields{"next", "3"}));
  EXPECT_EQ(records[2].line, 3);
  EXPECT_EQ(records[3].error, Txt::CsvQuoteNotClosed);  // swallows the rest of the text
  EXPECT_EQ(records[3].line, 4);
}

TEST(CsvText, WriterQuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvField("28.145000"), "28.145000");
  EXPECT_EQ(CsvField("Tone->DTCS"), "Tone->DTCS");
  EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvField("5\" whip"), "\"5\"\" whip\"");
  EXPECT_EQ(CsvField("x\ny"), "\"x\ny\"");
  EXPECT_EQ(CsvRecordText(Fields{"1", "", "M3"}), "1,,M3\r\n");
  EXPECT_EQ(CsvRecordText(Fields{"#1", "#2"}), "\"#1\",#2\r\n");
}

TEST(CsvText, AnyFieldsWrittenAreReadBackUnchanged) {
  std::mt19937 rng(4071);
  const std::string alphabet = "ab ,\"\r\n#1.";
  for (int trial = 0; trial < 500; ++trial) {
    Fields fields(std::uniform_int_distribution<int>(1, 5)(rng));
    for (std::string& f : fields)
      for (int n = std::uniform_int_distribution<int>(0, 6)(rng); n > 0; --n)
        f += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
    if (fields.size() == 1 && fields[0].empty()) continue;  // an empty line carries no record

    std::string text = CsvRecordText(fields) + CsvRecordText(Fields{"end"});
    auto records = ReadCsvRecords(text);

    ASSERT_EQ(records.size(), 2u) << text;
    EXPECT_EQ(records[0].fields, fields) << text;
    EXPECT_EQ(records[1].fields, Fields{"end"}) << text;
  }
}

TEST(CsvText, LinesAreCountedWhateverTheirEnds) {
  EXPECT_EQ(CountLines(""), 0);
  EXPECT_EQ(CountLines("a"), 1);
  EXPECT_EQ(CountLines("a\r\nb\r\n"), 2);
  EXPECT_EQ(CountLines("a\nb"), 2);
  EXPECT_EQ(CountLines("a\rb\r\rc"), 4);
}

}  // namespace
}  // namespace zq
