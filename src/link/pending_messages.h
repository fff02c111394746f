#pragma once
// Texts collected while a transfer runs and shown, in order, once it has ended.
#include <vector>

#include "text/text_message.h"

namespace zq {

class PendingMessages {
 public:
  static constexpr std::size_t kCapacity = 1001;

  // Texts beyond the capacity are dropped.
  void Queue(TextMessage text);
  // Every queued text in order; the list is empty afterwards.
  std::vector<TextMessage> Take();
  std::size_t size() const { return texts_.size(); }

 private:
  std::vector<TextMessage> texts_;
};

}  // namespace zq
