#include "link/pending_messages.h"

#include <utility>

namespace zq {

void PendingMessages::Queue(TextMessage text) {
  if (texts_.size() < kCapacity) texts_.push_back(std::move(text));
}

std::vector<TextMessage> PendingMessages::Take() { return std::exchange(texts_, {}); }

}  // namespace zq
