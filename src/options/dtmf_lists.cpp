#include "options/dtmf_lists.h"

namespace zq {

const std::vector<DtmfSettingList>& DtmfSettingLists() {
  static const std::vector<DtmfSettingList> lists = {
      {0, Txt::DtmfSendTime, {Numbers(10, 500, 10)}},
      {1, Txt::DtmfFirstDigitTime, {Numbers(0, 1000, 100)}},
      {2, Txt::DtmfFirstDigitDelay, {Numbers(100, 2500, 100)}},
      {3, Txt::DtmfStarHashTone, {Word(Txt::OptOffSame), Numbers(100, 100), Numbers(500, 500), Numbers(1000, 1000)}},
      {4, Txt::DtmfDCode, {Word(Txt::DtmfDCodeOff), Numbers(1, 16, 1, Txt::DtmfSeconds)}},
  };
  return lists;
}

}  // namespace zq
