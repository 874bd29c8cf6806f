// What both backends keep the same way: the record of media events.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace zk {

// The media events not yet taken. Kept bounded: a run that never takes them loses the oldest.
class EventRecord {
 public:
  void Add(std::string event);
  std::vector<std::string> Take();

 private:
  std::mutex mutex_;
  std::vector<std::string> events_;
};

}  // namespace zk
