#include "shell/game_trace.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "core/field_text.h"
#include "shell/form.h"
#include "shell/score_file.h"

namespace zk {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto byte = static_cast<uint8_t>(ch);
    if (byte == '"' || byte == '\\') {
      out += '\\';
      out += ch;
    } else if (byte < 0x20 || byte >= 0x7F) {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", byte);
      out += code;
    } else {
      out += ch;
    }
  }
  out += '"';
  return out;
}

namespace {

// Field by field: the padding between a step's fields says nothing about which step it is.
bool SameStep(const ActionStep& a, const ActionStep& b) {
  return a.Accept == b.Accept && a.Action == b.Action && a.Move == b.Move &&
         a.Duration == b.Duration && a.Fire == b.Fire && a.Turn == b.Turn && a.Motion == b.Motion &&
         a.Frame == b.Frame && std::equal(std::begin(a.Next), std::end(a.Next), std::begin(b.Next));
}

}  // namespace

int32_t CurrentStepId(const CharacterData& robot) {
  // The robot keeps a copy of its step; find which step of its action it is.
  const int32_t action = robot.Step.Action;
  if (action >= 0 && action < kActionCount) {
    for (int32_t step = 0; step < 10; ++step) {
      if (SameStep(robot.Actions.Steps[action][step], robot.Step)) {
        return MakeStepId(action, step);
      }
    }
  }
  return MakeStepId(action, 0);
}

namespace {

void Field(std::string& out, const char* key, int64_t value) {
  out += '"';
  out += key;
  out += "\":";
  out += std::to_string(value);
  out += ',';
}

std::string Robot(const CharacterData& r, bool with_weapon_type) {
  std::string out = "{\"Name\":" + JsonString(FieldText(r.Name)) + ',';
  Field(out, "X", r.X);
  Field(out, "Y", r.Y);
  Field(out, "Armor", r.Armor);
  Field(out, "Energy", r.Energy);
  Field(out, "Action", r.Action);
  Field(out, "Step", CurrentStepId(r));
  Field(out, "Facing", r.Facing);
  Field(out, "InputX", r.InputX);
  Field(out, "InputY", r.InputY);
  Field(out, "InputButton", r.InputButton);
  Field(out, "Stun", r.Stun);
  if (with_weapon_type) Field(out, "WeaponType", r.WeaponType);
  out.back() = '}';
  return out;
}

// The computer opponent's plan, intent and counters.
std::string Plan(const CpuPlan& c) {
  std::string out = "{";
  const std::pair<const char*, int32_t> fields[] = {
      {"Phase", c.Phase},
      {"Counter", c.Counter},
      {"Plan", c.Plan},
      {"Weapon", c.Weapon},
      {"Intent", c.Intent},
      {"Side", c.Side},
      {"Trigger", c.Trigger},
      {"Held", c.Held},
      {"DodgeLeft", c.DodgeLeft},
      {"DodgeX", c.DodgeX},
      {"DodgeY", c.DodgeY},
      {"DodgeButton", c.DodgeButton},
      {"Alert", c.Alert},
      {"FoeGuard", c.FoeGuard},
      {"FoeFire", c.FoeFire},
      {"FoeRun", c.FoeRun},
      {"FoeStrikes", c.FoeStrikes},
      {"FoeCharge", c.FoeCharge},
      {"FoeAmmo", c.FoeAmmo},
      {"FoeShot", c.FoeShot},
      {"FoeVX", c.FoeVX},
      {"FoeVY", c.FoeVY},
      {"Quiet", c.Quiet},
      {"Idle", c.Idle},
      {"Misses", c.Misses},
      {"Watch", c.Watch},
      {"WatchArmor", c.WatchArmor},
      {"Hold", c.Hold},
      {"CoverLeft", c.CoverLeft},
      {"CloseIn", c.CloseIn},
      {"FoeUnguarded", c.FoeUnguarded},
      {"KeyHold", c.KeyHold},
      {"Frames", c.Frames},
  };
  for (const auto& [key, value] : fields) Field(out, key, value);
  out.back() = '}';
  return out;
}

// The keys of a trace line, without the closing brace.
std::string Common(const TForm1& f, int64_t frame, const std::vector<std::string>& sound,
                   bool dump) {
  std::string out = "{";
  Field(out, "frame", frame);
  Field(out, "GameStage", f.GameStage);
  Field(out, "StageFrame", f.StageFrame);
  Field(out, "GameMode", f.GameMode);
  Field(out, "RouteStage", f.RouteStage);
  Field(out, "SurvivalWins", f.SurvivalWins);
  Field(out, "Winner", f.Winner);
  Field(out, "KoPending", f.KoPending);
  Field(out, "ErrorCode", f.ErrorCode);
  out += "\"Robots\":[" + Robot(f.Robots[0], dump) + ',' + Robot(f.Robots[1], dump) + "],";
  out += "\"Ammo\":[";
  for (int i = 0; i < 8; ++i) {
    out += std::to_string(f.Weapons[i].Ammo);
    out += i < 7 ? "," : "],";
  }
  out += "\"Cpu\":" + Plan(f.Cpu) + ',';
  out += "\"sound\":[";
  for (size_t i = 0; i < sound.size(); ++i) {
    if (i > 0) out += ',';
    out += JsonString(sound[i]);
  }
  out += "]";
  return out;
}

}  // namespace

std::string TraceLine(const TForm1& form, int64_t frame, const std::vector<std::string>& sound) {
  return Common(form, frame, sound, false) + "}";
}

std::string DumpJson(const TForm1& form, int64_t frame, const std::vector<std::string>& sound) {
  std::string out = Common(form, frame, sound, true) + ",\"ScoreTable\":[";
  for (int row = 0; row < kScoreRows; ++row) {
    const ScoreEntry& entry = form.ScoreTable[row];
    out += "{\"Score\":" + std::to_string(entry.Score) +
           ",\"Text\":" + JsonString(ScoreText(entry)) + "}";
    out += row + 1 < kScoreRows ? "," : "],";
  }
  Field(out, "ScoreFileError", form.ScoreFileError);
  Field(out, "RobotKind1", form.RobotKind1);
  Field(out, "RobotKind2", form.RobotKind2);
  Field(out, "Route", form.Route);
  Field(out, "HardSurvival", form.HardSurvival);
  Field(out, "MusicMode", form.MusicMode);
  Field(out, "WindowMode", form.WindowMode);
  out.back() = '}';
  return out;
}

}  // namespace zk
