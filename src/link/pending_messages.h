#pragma once
// Texts collected while a transfer runs and shown, in order, once it has ended.
#include <string>
#include <vector>

namespace zq {

class PendingMessages {
 public:
  static constexpr std::size_t kCapacity = 1001;

  // Texts beyond the capacity are dropped.
  void Queue(std::string text);
  // Every queued text in order; the list is empty afterwards.
  std::vector<std::string> Take();
  std::size_t size() const { return texts_.size(); }

 private:
  std::vector<std::string> texts_;
};

}  // namespace zq
