// Font files by role, from Debian's font packages: fonts-liberation / fonts-liberation2 (a narrow
// bold sans for "Impact"), fonts-dejavu-core (every other face) and fonts-wqy-microhei (the
// Japanese faces; a small proportional sans with the kanji of the start dialog).
#include "platform/font_files.h"

#include <sys/stat.h>

#include <array>
#include <cstdint>

namespace zk {

namespace {

struct Candidate {
  const char* Path;
  long Index;
};

constexpr Candidate kImpact[] = {
    {"/usr/share/fonts/truetype/liberation2/LiberationSansNarrow-Bold.ttf", 0},
    {"/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf", 0},
    {"/usr/share/fonts/opentype/urw-base35/NimbusSansNarrow-Bold.otf", 0},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf", 0},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", 0},
};
constexpr Candidate kSans[] = {
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0},
    {"/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 0},
    {"/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf", 0},
};
constexpr Candidate kSansBold[] = {
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", 0},
    {"/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf", 0},
    {"/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf", 0},
};
// Face 0 of the WenQuanYi collection is the proportional one; face 0 of the Noto CJK collections
// the Japanese one.
constexpr Candidate kJapanese[] = {
    {"/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", 0},
    {"/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", 0},
    {"/usr/share/fonts/opentype/noto/NotoSansCJKjp-Regular.otf", 0},
    {"/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf", 0},
};

bool Exists(const char* path) {
  struct stat st {};
  return stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

template <size_t N>
FontFile First(const Candidate (&list)[N]) {
  for (const Candidate& c : list) {
    if (Exists(c.Path)) return {c.Path, c.Index};
  }
  return {};
}

bool HasNonAscii(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

}  // namespace

FontRole RoleOfFace(std::string_view face, int32_t weight) {
  if (face == "Impact") return FontRole::Impact;
  // Japanese face names ("ＭＳ Ｐゴシック") and their Latin spellings.
  if (HasNonAscii(face) || face.find("Gothic") != std::string_view::npos ||
      face.find("Mincho") != std::string_view::npos) {
    return FontRole::Japanese;
  }
  return weight >= 600 ? FontRole::SansBold : FontRole::Sans;
}

FontFile FindFontFile(FontRole role) {
  switch (role) {
    case FontRole::Impact:
      return First(kImpact);
    case FontRole::Sans:
      return First(kSans);
    case FontRole::SansBold:
      return First(kSansBold);
    case FontRole::Japanese:
      return First(kJapanese);
  }
  return {};
}

}  // namespace zk
