// The pack comes out byte for byte the same every time.
#include <gtest/gtest.h>

#include <string>

#include "assetgen/readers.h"
#include "pack.h"

namespace zk::assetgen {
namespace {

TEST(Determinism, AFreshRunEqualsTheBuildsDataFolder) {
  // The build wrote the data folder in another process; generating again here must agree.
  const std::vector<PackFile> files = MakeDataFiles();
  ASSERT_EQ(files.size(), 55u + 16u + 6u);
  for (const PackFile& f : files) EXPECT_TRUE(testing::ReadFile(f.Path) == f.Bytes) << f.Path;
}

TEST(Determinism, ResourcesAndMp3SourcesRepeat) {
  EXPECT_EQ(ResourcesSource(MakeResources()), ResourcesSource(MakeResources()));
  const auto a = MakeMp3Sources(), b = MakeMp3Sources();
  ASSERT_EQ(a.size(), 2u);
  for (size_t i = 0; i < a.size(); ++i) EXPECT_TRUE(a[i].Bytes == b[i].Bytes) << a[i].Path;
}

TEST(ResourcesSource, DeclaresTheTableAndEscapesAwkwardBytes) {
  const std::string src =
      ResourcesSource({{"X", false, {'"', '\\', '?', '\n', 0, '7', 'a'}}, {"Y", true, {}}});
  EXPECT_NE(src.find("\"\\042\\134\\077\\012\\0007a\""), std::string::npos) << src;
  EXPECT_NE(src.find("{\"X\", ResourceType::Bitmap, {kData0, 7}}"), std::string::npos);
  EXPECT_NE(src.find("{\"Y\", ResourceType::Wave, {kData1, 0}}"), std::string::npos);
  EXPECT_NE(src.find("kCompiledResourceCount = 2;"), std::string::npos);
}

}  // namespace
}  // namespace zk::assetgen
