#include "platform/backend_common.h"

#include <utility>

namespace zk {

namespace {
constexpr size_t kRecordLimit = 4096;
}

void EventRecord::Add(std::string event) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (events_.size() >= kRecordLimit) {
    events_.erase(events_.begin(), events_.begin() + static_cast<ptrdiff_t>(kRecordLimit / 2));
  }
  events_.push_back(std::move(event));
}

std::vector<std::string> EventRecord::Take() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> out;
  out.swap(events_);
  return out;
}

}  // namespace zk
