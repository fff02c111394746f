#pragma once
// How a series of radios is reported, on screen and in its log: a CSV file
// with a header line and one line per radio (time, number, identity, firmware
// version, result, then what ties the write to the radio: port, the image's
// SHA-256, the line of per-unit values, operator, verification) in the
// program's language. A log that exists already is continued, so one file can
// keep a whole day of series, and its radios are counted on from the last one it holds.
#include <filesystem>
#include <fstream>
#include <string>

#include "link/radio_series.h"
#include "platform/local_date.h"

namespace zq {

// "written and verified", "failed: no response" ...
std::string SeriesResultText(const SeriesRadio& radio, int language);
// "Radio 2 (VESTRAX 000002): failed: no response"
std::string SeriesRadioText(const SeriesRadio& radio, int language);

// What a station knows of a radio beyond the series' own report.
struct SeriesRecord {
  std::string port;
  std::string imageHash;        // SHA-256 of the image sent, as Sha256Hex gives it
  int unitsLine = 0;            // the line of the per-unit values list; 0 without a list
  bool unitsGivenBack = false;  // the radio failed and its line goes to the next radio
  std::string operatorName;
};

std::string SeriesLogHeader(int language);
std::string SeriesLogLine(const SeriesRadio& radio, const LocalTime& when, int language,
                          const SeriesRecord& record = {});

class SeriesLog {
 public:
  // Opens the file for adding lines, writing the header when it is new or
  // empty; false when it cannot be written (or is no regular file).
  bool Open(const std::filesystem::path& file, int language);
  // Each line reaches the file at once, so a series that is cut short keeps its log.
  bool Add(const SeriesRadio& radio, const LocalTime& when, const SeriesRecord& record = {});
  bool isOpen() const { return out_.is_open(); }
  // The number radio `number` of this run has in the log: the run goes on from
  // the last radio of a continued log (radio 1 after radio 8 is radio 9).
  int Continued(int number) const { return number + numberBefore_; }

 private:
  std::ofstream out_;
  int language_ = 1;
  int numberBefore_ = 0;
};

}  // namespace zq
