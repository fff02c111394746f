#include "options/roger_lists.h"

namespace zq {

const std::vector<ChoicePiece>& RogerRecycleList() {
  static const std::vector<ChoicePiece> list = {Word(Txt::ChoiceOff), Numbers(1, 10)};
  return list;
}

const std::vector<ChoicePiece>& RogerTimeList() {
  static const std::vector<ChoicePiece> list = {Numbers(0, 2550, 10)};
  return list;
}

const std::vector<ChoicePiece>& RogerFrequencyList() {
  static const std::vector<ChoicePiece> list = {Word(Txt::RbNone), Scaled(400, 2550, 10, 10)};
  return list;
}

std::span<const Txt> RogerStepCaptions() {
  static const Txt captions[] = {Txt::RbTone1,  Txt::RbTone2,  Txt::RbTone3,  Txt::RbTone4, Txt::RbTone5,
                                 Txt::RbTone6,  Txt::RbTone7,  Txt::RbTone8,  Txt::RbTone9, Txt::RbTone10,
                                 Txt::RbTone11, Txt::RbTone12, Txt::RbTone13, Txt::RbTone14};
  return captions;
}

}  // namespace zq
