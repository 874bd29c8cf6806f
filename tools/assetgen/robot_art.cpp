#include "robot_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <tuple>
#include <utility>

namespace zk::assetgen {

namespace {

enum class Body { Ellipse, Box, Hexagon, Round, Long, Square, Humped, Slim, Tank, Triangle };

struct Look {
  Rgb8 Main, Accent, Dark;
  Body Shape;
  int Legs;  // 0, 2 or 4
  bool Tail, Wings, Tracks;
};

const Look& LookOf(int32_t kind) {
  static const Look kLooks[11] = {
      {{70, 160, 60}, {220, 200, 60}, {30, 70, 30}, Body::Ellipse, 2, true, false, false},
      {{40, 150, 160}, {230, 230, 230}, {20, 60, 70}, Body::Long, 4, true, false, false},
      {{230, 120, 30}, {250, 220, 120}, {100, 50, 20}, Body::Box, 2, false, false, false},
      {{140, 70, 180}, {240, 200, 60}, {60, 30, 80}, Body::Hexagon, 4, false, false, false},
      {{235, 205, 40}, {40, 40, 40}, {110, 90, 10}, Body::Round, 2, false, true, false},
      {{160, 100, 50}, {240, 230, 210}, {70, 45, 20}, Body::Long, 4, false, false, false},
      {{200, 205, 225}, {90, 110, 200}, {90, 95, 120}, Body::Square, 2, false, false, false},
      {{160, 40, 40}, {240, 170, 60}, {70, 20, 20}, Body::Humped, 2, false, false, false},
      {{80, 165, 235}, {250, 250, 130}, {30, 70, 120}, Body::Slim, 2, false, true, false},
      {{105, 115, 60}, {210, 200, 150}, {45, 50, 25}, Body::Tank, 0, false, false, true},
      {{55, 55, 70}, {235, 235, 235}, {20, 20, 30}, Body::Triangle, 2, false, true, false},
  };
  return kLooks[std::clamp(kind, 1, 11) - 1];
}

double ViewHeading(View v) {
  const double q = std::numbers::pi / 4;
  switch (v) {
    case View::Back:
      return 0;
    case View::BackSide:
      return q;
    case View::Side:
      return 2 * q;
    case View::FrontSide:
      return 3 * q;
    case View::Front:
      break;
  }
  return 4 * q;
}

// Local figure coordinates: u to the robot's right, v forward, both about -1..1.
class Pen {
 public:
  Pen(Image& img, const RectI& cell, double heading)
      : img_(img),
        cx_((cell.Left + cell.Right) / 2.0),
        cy_((cell.Top + cell.Bottom) / 2.0),
        sx_(cell.Width() / 2.0 * 0.94),
        sy_(cell.Height() / 2.0 * 0.94),
        fx_(std::sin(heading)),
        fy_(-std::cos(heading)) {}

  PointF At(double u, double v) const {
    const double rx = -fy_, ry = fx_;
    return {cx_ + sx_ * (u * rx + v * fx_), cy_ + sy_ * (u * ry + v * fy_)};
  }
  void Poly(std::vector<std::pair<double, double>> pts, Rgb8 c) {
    std::vector<PointF> out;
    for (auto [u, v] : pts) out.push_back(At(u, v));
    img_.FillPolygon(out, c);
  }
  void Ellipse(double u, double v, double ru, double rv, Rgb8 c, double tilt = 0) {
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i < 28; ++i) {
      const double a = 2 * std::numbers::pi * i / 28;
      const double x = ru * std::cos(a), y = rv * std::sin(a);
      pts.push_back({u + x * std::cos(tilt) - y * std::sin(tilt),
                     v + x * std::sin(tilt) + y * std::cos(tilt)});
    }
    Poly(pts, c);
  }
  void Bar(double u0, double v0, double u1, double v1, double w, Rgb8 c) {
    const double du = u1 - u0, dv = v1 - v0;
    const double len = std::max(1e-9, std::hypot(du, dv));
    const double nu = -dv / len * w / 2, nv = du / len * w / 2;
    Poly({{u0 + nu, v0 + nv}, {u1 + nu, v1 + nv}, {u1 - nu, v1 - nv}, {u0 - nu, v0 - nv}}, c);
  }
  void Star(double u, double v, double r, Rgb8 c) {
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i < 16; ++i) {
      const double a = 2 * std::numbers::pi * i / 16;
      const double rr = (i % 2 == 0) ? r : r * 0.4;
      pts.push_back({u + rr * std::cos(a), v + rr * std::sin(a)});
    }
    Poly(pts, c);
  }

 private:
  Image& img_;
  double cx_, cy_, sx_, sy_, fx_, fy_;
};

void DrawBodyShape(Pen& p, Body shape, double grow, Rgb8 c) {
  const double g = grow;
  switch (shape) {
    case Body::Ellipse:
      p.Ellipse(0, 0, 0.34 + g, 0.46 + g, c);
      break;
    case Body::Long:
      p.Ellipse(0, 0.02, 0.28 + g, 0.52 + g, c);
      break;
    case Body::Box:
      p.Poly({{-0.46 - g, -0.34 - g},
              {0.46 + g, -0.34 - g},
              {0.5 + g, 0.2 + g},
              {0.3 + g, 0.4 + g},
              {-0.3 - g, 0.4 + g},
              {-0.5 - g, 0.2 + g}},
             c);
      break;
    case Body::Hexagon: {
      std::vector<std::pair<double, double>> pts;
      for (int i = 0; i < 6; ++i) {
        const double a = std::numbers::pi / 6 + std::numbers::pi / 3 * i;
        pts.push_back({(0.5 + g) * std::cos(a), (0.46 + g) * std::sin(a)});
      }
      p.Poly(pts, c);
      break;
    }
    case Body::Round:
      p.Ellipse(0, 0, 0.36 + g, 0.4 + g, c);
      break;
    case Body::Square:
      p.Poly({{-0.4 - g, -0.4 - g}, {0.4 + g, -0.4 - g}, {0.4 + g, 0.4 + g}, {-0.4 - g, 0.4 + g}},
             c);
      break;
    case Body::Humped:
      p.Ellipse(0, -0.12, 0.44 + g, 0.4 + g, c);
      p.Ellipse(0, 0.28, 0.26 + g, 0.2 + g, c);
      break;
    case Body::Slim:
      p.Ellipse(0, 0, 0.2 + g, 0.46 + g, c);
      break;
    case Body::Tank:
      p.Poly({{-0.36 - g, -0.46 - g},
              {0.36 + g, -0.46 - g},
              {0.36 + g, 0.46 + g},
              {-0.36 - g, 0.46 + g}},
             c);
      break;
    case Body::Triangle:
      p.Poly({{0, 0.56 + g}, {0.4 + g, -0.36 - g}, {-0.4 - g, -0.36 - g}}, c);
      break;
  }
}

}  // namespace

Rgb8 KindColour(int32_t kindNumber) {
  return LookOf(kindNumber).Main;
}

void DrawRobotHeading(Image& img, const RectI& cell, int32_t kind, double heading, bool faceVisible,
                      int32_t motion, int32_t frame) {
  const Look& look = LookOf(kind);
  img.SetClip(cell);
  Pen p(img, cell, heading);
  const double phase = frame * std::numbers::pi / 2;
  const bool hit = motion == 6;
  Rgb8 main = look.Main, dark = look.Dark, accent = look.Accent;
  if (hit) {
    main = Mix(main, {255, 80, 60}, 0.5);
    accent = Mix(accent, {255, 255, 255}, 0.5);
  }
  const Rgb8 metal{150, 150, 160}, metalDark{70, 70, 80}, flash{255, 240, 120}, fire{255, 140, 30};
  const double recoil = hit ? -0.08 : 0.0;

  // Wings go under everything.
  if (look.Wings) {
    const double flap = (motion == 0 ? 0.08 * std::sin(phase) : 0.0);
    const double span = look.Shape == Body::Slim ? 0.62 : 0.5;
    const Rgb8 wing = Mix(main, {255, 255, 255}, 0.35);
    p.Ellipse(span - 0.14, -0.05 + recoil, 0.32 + flap, 0.3, dark, 0.5);
    p.Ellipse(-(span - 0.14), -0.05 + recoil, 0.32 + flap, 0.3, dark, -0.5);
    p.Ellipse(span - 0.14, -0.05 + recoil, 0.27 + flap, 0.25, wing, 0.5);
    p.Ellipse(-(span - 0.14), -0.05 + recoil, 0.27 + flap, 0.25, wing, -0.5);
    p.Ellipse(span - 0.1, -0.02 + recoil, 0.08, 0.08, accent);
    p.Ellipse(-(span - 0.1), -0.02 + recoil, 0.08, 0.08, accent);
  }
  // Tracks or legs.
  if (look.Tracks) {
    for (double side : {-1.0, 1.0}) {
      p.Poly({{side * 0.38 - 0.14, -0.6},
              {side * 0.38 + 0.14, -0.6},
              {side * 0.38 + 0.14, 0.6},
              {side * 0.38 - 0.14, 0.6}},
             metalDark);
      for (int i = 0; i < 6; ++i) {
        const double v = -0.55 + 0.2 * i + 0.05 * (frame % 2);
        p.Bar(side * 0.38 - 0.13, v, side * 0.38 + 0.13, v, 0.05, metal);
      }
    }
  } else if (look.Legs > 0) {
    const int pairs = look.Legs / 2;
    for (int i = 0; i < pairs; ++i) {
      const double baseV = pairs == 1 ? 0.0 : (i == 0 ? 0.28 : -0.28);
      for (double side : {-1.0, 1.0}) {
        const double swing = (motion == 0 || hit) ? 0.1 * std::sin(phase + side + i * 2) : 0.0;
        const double fu = side * 0.5, fv = baseV + swing + recoil;
        p.Bar(side * 0.2, baseV * 0.8, fu, fv, 0.1, dark);
        p.Ellipse(fu, fv, 0.11, 0.15, metalDark);
        p.Ellipse(fu, fv, 0.07, 0.1, metal);
      }
    }
  }
  if (look.Tail) {
    const double sway = 0.12 * std::sin(phase);
    p.Bar(0, -0.3, sway, -0.62, 0.16, dark);
    p.Bar(sway, -0.62, -sway * 0.5, -0.9, 0.09, dark);
  }
  // Weapons: 1 gun on the right arm, 2 claw on the left, 3 shoulder pod, 4 back launcher.
  const double ext = 0.08 * (frame % 3);
  {
    const double len = motion == 1 ? 0.72 - 0.06 * (frame % 2) : 0.62;
    p.Bar(0.34, 0.0, 0.34, len, 0.13, metalDark);
    p.Bar(0.34, 0.05, 0.34, len - 0.04, 0.07, metal);
    if (motion == 1) {
      const double r = 0.1 + 0.06 * ((frame + 1) % 3);
      p.Star(0.34, len + r * 0.8, r, fire);
      p.Star(0.34, len + r * 0.8, r * 0.6, flash);
    }
  }
  {
    const double reach = motion == 2 ? 0.55 + ext * 1.5 : 0.45;
    p.Bar(-0.32, 0.0, -0.34, reach, 0.12, dark);
    p.Bar(-0.34, reach, -0.46, reach + 0.14, 0.07, metal);
    p.Bar(-0.34, reach, -0.22, reach + 0.14, 0.07, metal);
    if (motion == 2 && frame % 2 == 1) {
      for (int i = 0; i < 5; ++i) {
        const double a = -0.9 + 0.45 * i;
        p.Ellipse(-0.2 + 0.55 * std::sin(a), reach + 0.1 + 0.2 * std::cos(a), 0.05, 0.05, flash);
      }
    }
  }
  // Body with its outline.
  {
    DrawBodyShape(p, look.Shape, 0.05, dark);
    DrawBodyShape(p, look.Shape, 0.0, main);
    DrawBodyShape(p, look.Shape, -0.16, Mix(main, {255, 255, 255}, 0.25));
  }
  // Kind marks.
  if (kind == 5) {  // a striped insect
    p.Bar(-0.33, -0.12, 0.33, -0.12, 0.08, accent);
    p.Bar(-0.3, 0.1, 0.3, 0.1, 0.08, accent);
  } else if (kind == 4) {  // horns
    p.Poly({{-0.3, 0.3}, {-0.45, 0.68}, {-0.16, 0.38}}, accent);
    p.Poly({{0.3, 0.3}, {0.45, 0.68}, {0.16, 0.38}}, accent);
  } else if (kind == 10) {  // turret
    p.Ellipse(0, -0.05, 0.22, 0.22, dark);
    p.Ellipse(0, -0.05, 0.18, 0.18, accent);
  } else if (kind == 8) {
    p.Ellipse(0, -0.14, 0.2, 0.16, accent);
  } else if (kind == 7) {
    p.Bar(-0.3, -0.3, 0.3, 0.3, 0.05, accent);
    p.Bar(-0.3, 0.3, 0.3, -0.3, 0.05, accent);
  }
  // Shoulder pod (3) and back launcher (4).
  {
    const Rgb8 pod = motion == 3 ? Mix(accent, {255, 255, 255}, 0.3) : accent;
    p.Poly({{0.12, -0.18}, {0.32, -0.18}, {0.32, 0.12}, {0.12, 0.12}}, dark);
    p.Poly({{0.15, -0.15}, {0.29, -0.15}, {0.29, 0.09}, {0.15, 0.09}}, pod);
    if (motion == 3) p.Star(0.22, 0.2 + ext, 0.1 + 0.04 * (frame % 2), flash);
    p.Poly({{-0.3, -0.42}, {-0.1, -0.42}, {-0.1, -0.22}, {-0.3, -0.22}}, dark);
    p.Poly({{-0.27, -0.39}, {-0.13, -0.39}, {-0.13, -0.25}, {-0.27, -0.25}},
           motion == 4 ? fire : metal);
    if (motion == 4) {
      p.Ellipse(-0.2, -0.55 - ext, 0.1 + ext, 0.1 + ext, {200, 200, 200});
      p.Poly({{-0.24, -0.2}, {-0.16, -0.2}, {-0.2, 0.1 + ext * 2}}, flash);
    }
  }
  // Head with eyes when the face is towards the viewer, a backpack with vents otherwise.
  const double headV = look.Shape == Body::Triangle ? 0.32 : 0.4;
  p.Ellipse(0, headV + recoil, 0.15, 0.12, dark);
  p.Ellipse(0, headV + recoil, 0.12, 0.09, main);
  if (faceVisible) {
    const Rgb8 eye = hit ? Rgb8{255, 255, 255} : Rgb8{255, 40, 40};
    p.Ellipse(-0.06, headV + 0.04 + recoil, 0.035, 0.035, eye);
    p.Ellipse(0.06, headV + 0.04 + recoil, 0.035, 0.035, eye);
  } else {
    p.Poly({{-0.14, -0.1}, {0.14, -0.1}, {0.14, -0.3}, {-0.14, -0.3}}, dark);
    for (int i = 0; i < 3; ++i) p.Bar(-0.1, -0.14 - 0.06 * i, 0.1, -0.14 - 0.06 * i, 0.025, metal);
  }
  // Guard: a shield across the front.
  if (motion == 5) {
    std::vector<std::pair<double, double>> arc;
    for (int i = 0; i <= 12; ++i) {
      const double a = -1.0 + 2.0 * i / 12;
      arc.push_back({0.7 * std::sin(a), 0.35 + 0.45 * std::cos(a)});
    }
    for (int i = 12; i >= 0; --i) {
      const double a = -1.0 + 2.0 * i / 12;
      arc.push_back({0.58 * std::sin(a), 0.35 + 0.33 * std::cos(a)});
    }
    p.Poly(arc, {120, 230, 255});
  }
  if (hit) {
    p.Star(0.2, 0.25, 0.16, flash);
    p.Star(-0.25, -0.1, 0.12, {255, 255, 255});
    p.Star(0.1, -0.35, 0.1, fire);
  }
  img.ResetClip();
}

void DrawRobot(Image& img, const RectI& cell, int32_t kind, View view, int32_t motion,
               int32_t frame) {
  DrawRobotHeading(img, cell, kind, ViewHeading(view), view != View::Back && view != View::BackSide,
                   motion, frame);
}

Image DrawViewPicture(int32_t kind, View view) {
  const Size size = ViewSize(kind, view);
  Image img(size.Width, size.Height, TransparentIndex());
  // A rectangle used by several frames is drawn once, for the first of them.
  std::set<std::tuple<int32_t, int32_t, int32_t, int32_t>> done;
  for (const ViewFrame& f : ViewFrames(kind, view)) {
    const auto key = std::make_tuple(f.Source.Left, f.Source.Top, f.Source.Right, f.Source.Bottom);
    if (!done.insert(key).second) continue;
    DrawRobot(img, f.Source, kind, view, f.Motion, f.Frame);
  }
  return img;
}

}  // namespace zk::assetgen
