#pragma once
// What the radio reports about itself in its identity reply, and the check a
// transfer makes before any block moves.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "datafile/version_list.h"
#include "link/frames.h"

namespace zq {

struct RadioIdentity {
  std::string model;                     // as received, at most 7 characters
  bool hfCapable = false;                // enables the HF and HAM bands in the editors
  std::string firmwareVersion = "V100";  // the program's own version until a radio answers
  // Bytes 13-15 of the reply as sent. Nothing acts on them; a log of a series
  // of radios shows them, since radios of one model and firmware differ only there.
  std::array<uint8_t, 3> extraBytes{};
};

// Reads an identity reply (16 bytes, lead 'I'): model from bytes 1-7 cut at the
// first NUL and without trailing blanks, HF capability when byte 8 is 1,
// firmware version from bytes 9-12; bytes 13-15 are kept as they came.
RadioIdentity ParseIdentReply(std::span<const uint8_t> reply);
// The reply a radio with this identity sends; the model is blank-padded to 7 characters.
Bytes IdentReplyFrame(const RadioIdentity& identity);
// The model and the extra bytes in hexadecimal ("VESTRAX 000102"), as a log names a radio.
std::string IdentityText(const RadioIdentity& identity);

enum class IdentityVerdict { NotChecked, Passed, WrongModel, IncompatibleVersion };

// The model must be the program's model (compared without trailing blanks and
// without anything from a NUL on); then the firmware must be one this release handles.
IdentityVerdict CheckRadioIdentity(const RadioIdentity& identity, const VersionList& versions);

}  // namespace zq
