#include "link/pending_messages.h"

#include <utility>

namespace zq {

void PendingMessages::Queue(std::string text) {
  if (texts_.size() < kCapacity) texts_.push_back(std::move(text));
}

std::vector<std::string> PendingMessages::Take() { return std::exchange(texts_, {}); }

}  // namespace zq
