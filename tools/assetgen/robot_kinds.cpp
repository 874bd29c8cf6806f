#include "robot_kinds.h"

#include <algorithm>
#include <utility>

namespace zk::assetgen {

namespace {

struct Cell {
  int32_t Column, Row;
};

// A replacement of one frame in some facings.
struct Exception {
  std::vector<int32_t> Facings;
  int32_t Motion, Frame;
  RectI Source;
};

// Grid kinds: equal cells by pitch, with a list of cells per motion row.
struct Grid {
  int32_t PitchX, PitchY, Width, Height;
  std::array<std::vector<Cell>, 7> Cells;
  std::vector<Exception> Exceptions;
};

const std::vector<int32_t> kAllFacings = {0, 1, 2, 3, 4, 5, 6, 7};

const Grid* GridOf(int32_t kind) {
  static const Grid kRidezazo{150,
                              150,
                              149,
                              149,
                              {{{{0, 0}, {1, 0}},
                                {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}},
                                {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}},
                                {{2, 0}},
                                {},
                                {{3, 0}},
                                {{4, 0}}}},
                              {{kAllFacings, 3, 0, {300, 0, 450, 149}}}};
  static const Grid kLizard = [] {
    Grid g{110,
           110,
           111,
           111,
           {{{{0, 0}},
             {{1, 0}, {1, 1}, {1, 2}, {1, 1}, {1, 0}},
             {},
             {{0, 3}, {0, 4}, {0, 3}},
             {},
             {{0, 2}},
             {{0, 1}}}},
           {}};
    // Motion row 2 lies on a larger grid of 181-pixel cells right of the small one.
    for (int32_t n = 0; n < 9; ++n) {
      const int32_t left = 220 + 180 * (n % 3), top = 180 * (n / 3);
      g.Exceptions.push_back({kAllFacings, 2, n, {left, top, left + 181, top + 181}});
    }
    return g;
  }();
  static const Grid kZizoruVuzev{155,
                                 150,
                                 154,
                                 150,
                                 {{{{0, 0}},
                                   {{3, 0}, {4, 0}, {0, 1}, {3, 0}},
                                   {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}},
                                   {{1, 1}, {2, 1}, {3, 1}, {4, 1}},
                                   {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}},
                                   {{1, 0}},
                                   {{2, 0}}}},
                                 {}};
  static const Grid kV2A{121,
                         121,
                         120,
                         120,
                         {{{{0, 0}},
                           {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 1}},
                           {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {0, 3}},
                           {{1, 3}, {2, 3}, {3, 3}, {1, 3}},
                           {},
                           {{1, 0}},
                           {{2, 0}}}},
                         {{{2, 6}, 1, 1, {121, 121, 261, 241}},
                          {{2, 6}, 1, 2, {262, 121, 402, 241}},
                          {{2, 6}, 1, 3, {403, 121, 523, 241}},
                          {{3, 5}, 1, 1, {121, 121, 261, 241}},
                          {{3, 5}, 1, 2, {262, 121, 382, 241}}}};
  static const Grid kZuzodEvoz{151,
                               150,
                               150,
                               150,
                               {{{{0, 0}},
                                 {{3, 0}, {4, 0}, {0, 1}},
                                 {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}},
                                 {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {2, 1}},
                                 {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}},
                                 {{1, 0}},
                                 {{2, 0}}}},
                               {{{1, 7}, 2, 2, {302, 300, 457, 450}},
                                {{1, 7}, 2, 3, {458, 300, 609, 450}},
                                {{1, 7}, 2, 4, {610, 300, 760, 450}},
                                {{2, 6}, 1, 1, {604, 0, 769, 150}},
                                {{2, 6}, 1, 2, {0, 150, 165, 300}},
                                {{2, 6}, 3, 0, {166, 150, 316, 300}},
                                {{2, 6}, 3, 1, {317, 150, 467, 300}},
                                {{2, 6}, 3, 2, {486, 150, 618, 300}},
                                {{2, 6}, 3, 3, {619, 150, 769, 300}},
                                {{3, 5}, 1, 1, {604, 0, 759, 150}},
                                {{3, 5}, 2, 3, {453, 300, 608, 450}},
                                {{3, 5}, 2, 4, {609, 300, 760, 450}}}};
  static const Grid kVedoZad{131,
                             131,
                             130,
                             130,
                             {{{{0, 0}},
                               {{0, 1}, {1, 1}, {2, 1}, {3, 1}},
                               {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {2, 2}, {1, 2}, {0, 2}},
                               {{0, 3}, {1, 3}, {0, 3}},
                               {},
                               {{1, 0}},
                               {{2, 0}}}},
                             {{{2, 6}, 1, 1, {131, 131, 291, 261}},
                              {{2, 6}, 1, 2, {292, 131, 452, 261}},
                              {{2, 6}, 1, 3, {453, 131, 583, 261}},
                              {{2, 6}, 2, 3, {393, 262, 553, 392}},
                              {{3, 5}, 1, 3, {393, 131, 543, 261}}}};
  static const Grid kRiziVov{120,
                             120,
                             119,
                             119,
                             {{{{0, 0}},
                               {{1, 1}, {0, 1}, {1, 1}},
                               {{0, 2}, {1, 2}, {2, 2}},
                               {{2, 1}},
                               {},
                               {{1, 0}},
                               {{2, 0}}}},
                             {}};
  static const Grid kZeviruraR{
      140,
      140,
      140,
      140,
      {{{{0, 0}}, {{0, 1}, {1, 1}, {2, 1}}, {{1, 2}, {2, 2}}, {{0, 2}}, {}, {{1, 0}}, {{2, 0}}}},
      {}};
  static const Grid kDuvuZirada{
      120,
      120,
      120,
      120,
      {{{{1, 0}},
        {{3, 1}, {4, 1}, {5, 1}, {0, 2}},
        {{5, 0}, {0, 1}, {1, 1}, {2, 1}},
        {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}},
        {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}},
        {{3, 0}},
        {{2, 0}}}},
      {{{1, 7}, 1, 3, {600, 360, 770, 480}}, {{2, 6}, 1, 3, {0, 480, 144, 600}}}};
  static const Grid kRoDa{100,
                          100,
                          100,
                          100,
                          {{{{0, 0}},
                            {{3, 0}, {0, 1}, {1, 1}},
                            {{2, 2}, {3, 2}, {0, 3}},
                            {{2, 1}, {3, 1}, {0, 2}, {1, 2}},
                            {},
                            {{2, 0}},
                            {{1, 0}}}},
                          {}};
  switch (kind) {
    case 1:
      return &kRidezazo;
    case 2:
      return &kLizard;
    case 3:
      return &kDuvuZirada;
    case 5:
      return &kRiziVov;
    case 6:
      return &kVedoZad;
    case 7:
      return &kRoDa;
    case 8:
      return &kZuzodEvoz;
    case 9:
      return &kV2A;
    case 10:
      return &kZizoruVuzev;
    case 11:
      return &kZeviruraR;
    default:
      return nullptr;
  }
}

// D.O.Z.'s hand-placed frames, per view: motion, frame, left, top, right, bottom.
struct PlacedFrame {
  int32_t Motion, Frame, Left, Top, Right, Bottom;
};

const std::vector<PlacedFrame>& DozFrames(View v) {
  static const std::vector<PlacedFrame> kBack = {
      {0, 0, 0, 205, 211, 316},   {1, 0, 0, 0, 201, 101},     {1, 1, 200, 0, 381, 101},
      {1, 2, 380, 0, 545, 101},   {2, 0, 290, 100, 485, 205}, {2, 1, 395, 315, 570, 430},
      {2, 2, 570, 300, 791, 415}, {2, 3, 485, 100, 646, 205}, {2, 4, 565, 205, 666, 300},
      {2, 5, 645, 110, 790, 205}, {2, 6, 665, 205, 766, 300}, {2, 7, 545, 0, 666, 101},
      {2, 8, 345, 460, 550, 565}, {2, 9, 210, 205, 411, 316}, {3, 0, 665, 0, 796, 111},
      {3, 1, 240, 440, 361, 561}, {3, 2, 160, 315, 275, 440}, {3, 3, 550, 430, 671, 581},
      {3, 4, 670, 430, 791, 565}, {3, 5, 410, 205, 565, 316}, {4, 0, 0, 315, 161, 446},
      {4, 1, 275, 315, 396, 436}, {4, 2, 0, 445, 121, 560},   {4, 3, 120, 445, 241, 550},
      {4, 4, 275, 315, 396, 436}, {5, 0, 0, 100, 111, 206},   {6, 0, 110, 100, 291, 205},
  };
  static const std::vector<PlacedFrame> kBackSide = {
      {0, 0, 0, 0, 125, 121},     {1, 0, 125, 0, 250, 121},   {1, 1, 250, 0, 375, 121},
      {1, 2, 375, 0, 500, 121},   {2, 0, 500, 0, 621, 121},   {2, 1, 0, 240, 101, 361},
      {2, 2, 600, 0, 781, 121},   {2, 3, 0, 360, 221, 481},   {2, 4, 100, 240, 195, 361},
      {2, 5, 195, 240, 290, 361}, {2, 6, 290, 240, 391, 361}, {2, 7, 0, 479, 221, 600},
      {2, 8, 220, 360, 421, 481}, {2, 9, 390, 240, 485, 361}, {3, 0, 545, 120, 650, 241},
      {3, 1, 435, 365, 556, 506}, {3, 2, 525, 465, 706, 596}, {3, 3, 678, 336, 799, 497},
      {3, 4, 575, 240, 740, 365}, {3, 5, 650, 120, 771, 241}, {4, 0, 0, 120, 161, 241},
      {4, 1, 160, 120, 301, 241}, {4, 2, 300, 120, 421, 241}, {4, 3, 420, 120, 545, 241},
      {4, 4, 160, 120, 301, 241}, {5, 0, 485, 240, 576, 365}, {6, 0, 330, 465, 471, 596},
  };
  static const std::vector<PlacedFrame> kSide = {
      {0, 0, 0, 0, 121, 121},     {1, 0, 0, 120, 175, 231},   {1, 1, 175, 120, 360, 231},
      {1, 2, 360, 120, 561, 231}, {2, 0, 320, 480, 481, 591}, {2, 1, 560, 220, 741, 321},
      {2, 2, 675, 320, 756, 485}, {2, 3, 435, 330, 596, 481}, {2, 4, 265, 350, 436, 471},
      {2, 5, 320, 230, 431, 351}, {2, 6, 130, 475, 321, 596}, {2, 7, 590, 485, 791, 596},
      {2, 8, 595, 320, 676, 431}, {2, 9, 480, 480, 611, 591}, {3, 0, 135, 355, 266, 476},
      {3, 1, 0, 355, 135, 496},   {3, 2, 170, 230, 321, 341}, {3, 3, 135, 355, 266, 476},
      {3, 4, 0, 230, 171, 355},   {3, 5, 430, 230, 545, 331}, {4, 0, 260, 0, 381, 121},
      {4, 1, 380, 0, 511, 121},   {4, 2, 510, 0, 631, 121},   {4, 3, 630, 0, 755, 121},
      {4, 4, 380, 0, 511, 121},   {5, 0, 120, 0, 261, 121},   {6, 0, 560, 120, 771, 221},
  };
  static const std::vector<PlacedFrame> kFrontSide = {
      {0, 0, 0, 0, 211, 95},      {1, 0, 0, 280, 211, 375},   {1, 1, 201, 0, 411, 95},
      {1, 2, 0, 94, 195, 187},    {2, 0, 0, 375, 205, 476},   {2, 1, 415, 499, 610, 600},
      {2, 2, 201, 190, 396, 295}, {2, 3, 520, 285, 615, 470}, {2, 4, 160, 385, 381, 480},
      {2, 5, 170, 295, 371, 386}, {2, 6, 350, 195, 571, 286}, {2, 7, 709, 376, 800, 517},
      {2, 8, 0, 475, 159, 570},   {2, 9, 315, 95, 520, 196},  {3, 0, 675, 126, 796, 247},
      {3, 1, 370, 285, 495, 410}, {3, 2, 150, 476, 285, 597}, {3, 3, 375, 0, 616, 101},
      {3, 4, 285, 499, 416, 600}, {3, 5, 380, 400, 521, 501}, {4, 0, 194, 94, 315, 191},
      {4, 1, 590, 470, 711, 595}, {4, 2, 550, 115, 671, 246}, {4, 3, 615, 0, 732, 127},
      {4, 4, 590, 470, 711, 595}, {5, 0, 675, 246, 796, 407}, {6, 0, 0, 186, 201, 281},
  };
  static const std::vector<PlacedFrame> kFront = {
      {0, 0, 0, 0, 135, 115},     {1, 0, 280, 0, 421, 115},   {1, 1, 420, 0, 541, 115},
      {1, 2, 0, 115, 121, 236},   {2, 0, 0, 345, 141, 456},   {2, 1, 295, 245, 416, 366},
      {2, 2, 475, 115, 680, 236}, {2, 3, 0, 470, 205, 591},   {2, 4, 650, 150, 791, 325},
      {2, 5, 150, 480, 355, 595}, {2, 6, 420, 425, 531, 596}, {2, 7, 280, 365, 461, 482},
      {2, 8, 415, 235, 630, 356}, {2, 9, 530, 470, 685, 591}, {3, 0, 650, 325, 791, 456},
      {3, 1, 665, 455, 796, 596}, {3, 2, 0, 235, 151, 346},   {3, 3, 490, 355, 651, 460},
      {3, 4, 150, 240, 195, 361}, {3, 5, 140, 360, 281, 481}, {4, 0, 540, 0, 705, 115},
      {4, 1, 120, 115, 235, 240}, {4, 2, 235, 115, 356, 246}, {4, 3, 355, 115, 476, 250},
      {4, 4, 120, 115, 235, 240}, {5, 0, 680, 0, 791, 181},   {6, 0, 165, 0, 280, 115},
  };
  switch (v) {
    case View::Back:
      return kBack;
    case View::BackSide:
      return kBackSide;
    case View::Side:
      return kSide;
    case View::FrontSide:
      return kFrontSide;
    case View::Front:
      break;
  }
  return kFront;
}

}  // namespace

int32_t ViewFacing(View v) {
  switch (v) {
    case View::Back:
      return 0;
    case View::BackSide:
      return 1;
    case View::Side:
      return 2;
    case View::FrontSide:
      return 3;
    case View::Front:
      break;
  }
  return 4;
}

const char* ViewSuffix(View v) {
  switch (v) {
    case View::Back:
      return "back";
    case View::BackSide:
      return "bs";
    case View::Side:
      return "side";
    case View::FrontSide:
      return "fs";
    case View::Front:
      break;
  }
  return "front";
}

const std::vector<KindInfo>& Kinds() {
  static const std::vector<KindInfo> kKinds = {
      {1,
       "Ridezazo",
       "p_Ridezazo",
       "mn",
       "bmp",
       {{"Ridezazo type Omnivore Bite", {"80mm-Cannon", "Melee", "Waiting-Mine", nullptr}},
        {"Ridezazo type Snake Bite", {"Spread-Cannon", "Melee", "Waiting-Stinger", nullptr}}}},
      {2,
       "Lizard",
       "p_LizV",
       "lv",
       "bmp",
       {{"Lizard type Tekkira", {"MachineGun", "Melee", "Missile X1", nullptr}},
        {"Lizard type Vocka", {"Rifle", "Melee", "Rocket X4", nullptr}},
        {"Lizard type Jin", {"ShotGun", "Melee", "Stinger", nullptr}}}},
      {3,
       "DuvuZirada",
       "p_Pyro",
       "pp",
       "BMP",
       {{"DuvuZirada type Bannila Boy", {"GatringGun", "Melee", "180mm Canon", "Missile X1"}},
        {"DuvuZirada type Pepper Girl", {"GatringGun", "Melee", "80mm Cannon", "Missile X6"}}}},
      {4,
       "D.O.Z.",
       "p_FMH",
       "fm",
       "bmp",
       {{"Ruva Duvud Ovived", {"GatringGun", "Melee", "SnakeMine", "Rocket X4"}},
        {"Dezu Ridev Adud", {"LazerShot", "Melee", "FireFly", nullptr}}}},
      {5,
       "RiziVov",
       "p_RiziVov",
       "bb",
       "BMP",
       {{"RiziVov type S.L.A.B", {"AsultRifle", "Melee", "FireFly", nullptr}},
        {"RiziVov type F.L.A.B", {"AsultRifle", "Melee", "Stinger", nullptr}}}},
      {6,
       "VedoZad",
       "p_VedoZad",
       "fd",
       "bmp",
       {{"VedoZad type StaryDog", {"ShotGun", "Melee", "FloatingMine", nullptr}},
        {"VedoZad type Hyaena", {"ShotGun(SLAG)", "Melee", "Waiting-Mine", nullptr}},
        {"VedoZad type Coyote", {"ShotGun", "Melee", "Missle X1", nullptr}}}},
      {7,
       "Ro-da",
       "p_Dofu",
       "df",
       "BMP",
       {{"Ro-da type North", {"AcidFog", "Melee", "Bazooka", nullptr}},
        {"Ro-da type West", {"GatringGun", "Melee", "SpreadBazooka", nullptr}},
        {"Ro-da type South", {"AcidFog", "Melee", "SpreadBazooka", nullptr}}}},
      {8,
       "ZuzodEvoz",
       "p_Hunch",
       "hb",
       "bmp",
       {{"ZiraZedu type Pupa", {"Granade", "Melee", "LazerShot", "Tempest"}},
        {"ZiraZedu type Cocoon", {"AcidFog", "Melee", "LazerShot", "Tempest Acid"}}}},
      {9,
       "V-2-A",
       "p_S2T",
       "st",
       "bmp",
       {{"V-2-A type L.M.T", {"Rifle", "Melee", "LazerShot", nullptr}}}},
      {10,
       "ZizoruVuzev",
       "p_Tanlan",
       "tang",
       "bmp",
       {{"ZizoruVuzev type the Nine", {"ShotGun", "Melee", "80mmCanon X3", "Rocket X6"}},
        {"ZizoruVuzev type the Six", {"80mmCannon X2", "Melee", "Granade", "Snatcher"}}}},
      {11,
       "ZeviruraR",
       "p_Zevirurar",
       "sc",
       "BMP",
       {{"ZeviruraR type Skinny Crow", {"Rifle", "FireFly", nullptr, nullptr}},
        {"ZeviruraR type Fat Owl", {"Rifle", "Missile X6", nullptr, nullptr}}}},
  };
  return kKinds;
}

std::string ViewFileName(const KindInfo& kind, View v) {
  return std::string(kind.Folder) + "/" + kind.Prefix + "_" + ViewSuffix(v) + "." + kind.Extension;
}

std::vector<ViewFrame> ViewFrames(int32_t kindNumber, View v) {
  std::vector<ViewFrame> frames;
  if (kindNumber == 4) {
    for (const PlacedFrame& p : DozFrames(v))
      frames.push_back({p.Motion, p.Frame, {p.Left, p.Top, p.Right, p.Bottom}});
    return frames;
  }
  const Grid* g = GridOf(kindNumber);
  if (g == nullptr) return frames;
  const int32_t facing = ViewFacing(v);
  for (int32_t m = 0; m < 7; ++m) {
    const auto& cells = g->Cells[static_cast<size_t>(m)];
    for (size_t f = 0; f < cells.size(); ++f) {
      const int32_t left = cells[f].Column * g->PitchX, top = cells[f].Row * g->PitchY;
      frames.push_back({m, static_cast<int32_t>(f), {left, top, left + g->Width, top + g->Height}});
    }
  }
  for (const Exception& e : g->Exceptions) {
    if (std::find(e.Facings.begin(), e.Facings.end(), facing) == e.Facings.end()) continue;
    auto it = std::find_if(frames.begin(), frames.end(), [&e](const ViewFrame& f) {
      return f.Motion == e.Motion && f.Frame == e.Frame;
    });
    if (it != frames.end())
      it->Source = e.Source;
    else
      frames.push_back({e.Motion, e.Frame, e.Source});
  }
  std::stable_sort(frames.begin(), frames.end(), [](const ViewFrame& a, const ViewFrame& b) {
    return std::pair(a.Motion, a.Frame) < std::pair(b.Motion, b.Frame);
  });
  return frames;
}

Size ViewSize(int32_t kindNumber, View v) {
  Size s{0, 0};
  for (const ViewFrame& f : ViewFrames(kindNumber, v)) {
    s.Width = std::max(s.Width, f.Source.Right);
    s.Height = std::max(s.Height, f.Source.Bottom);
  }
  return s;
}

}  // namespace zk::assetgen
