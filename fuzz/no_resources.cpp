// The fuzz targets read only the bytes they are given: an empty resource table.
#include <cstddef>

#include "platform/resources.h"

namespace zk {
extern const ResourceEntry kCompiledResources[] = {{nullptr, ResourceType::Bitmap, {}}};
extern const size_t kCompiledResourceCount = 0;
}  // namespace zk
