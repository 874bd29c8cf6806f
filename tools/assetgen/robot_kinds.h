// The eleven robot kinds as the pack draws them: view files, sprite cells and variant names.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

namespace zk::assetgen {

// The five view pictures of a kind, in the order of their file-name suffixes.
enum class View { Back, BackSide, Front, FrontSide, Side };
inline constexpr std::array<View, 5> kViews = {View::Back, View::BackSide, View::Front,
                                               View::FrontSide, View::Side};
// The facing whose frames a view holds (facings 5 to 7 are the mirrored 3 to 1).
int32_t ViewFacing(View v);
const char* ViewSuffix(View v);  // "back", "bs", "front", "fs", "side"

struct Variant {
  const char* DisplayName;
  std::array<const char*, 4> Weapons;  // nullptr: no weapon in that slot
};

struct KindInfo {
  int32_t Number;         // 1..11 in select order
  const char* Name;       // "Ridezazo"
  const char* Folder;     // "p_Ridezazo"
  const char* Prefix;     // "mn"
  const char* Extension;  // "bmp" or "BMP"
  std::vector<Variant> Variants;
};

const std::vector<KindInfo>& Kinds();  // kinds 1 to 11, index = number - 1

// "p_Ridezazo/mn_back.bmp"
std::string ViewFileName(const KindInfo& kind, View v);

// One listed sprite frame of a view: motion row, frame and source rectangle.
struct ViewFrame {
  int32_t Motion;
  int32_t Frame;
  RectI Source;
};

// Every frame the kind's motion table lists for the view's facing, exceptions applied.
std::vector<ViewFrame> ViewFrames(int32_t kindNumber, View v);

// The picture size a view needs: as far right and down as its frames reach.
struct Size {
  int32_t Width, Height;
};
Size ViewSize(int32_t kindNumber, View v);

}  // namespace zk::assetgen
