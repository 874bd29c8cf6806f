// The input script's reader and its playback.
#include "media/input_script.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "media/media_files.h"

namespace zk {

namespace {

// A script file larger than this is refused (a frame a line would need millions of frames).
constexpr size_t kMaxScriptBytes = 64 * 1024 * 1024;

// Whether `word` is `upper` (an upper-case name) without regard to case.
bool Is(std::string_view word, std::string_view upper) {
  if (word.size() != upper.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(word[i])) != upper[i]) return false;
  }
  return true;
}

struct NamedKey {
  const char* Name;
  int Key;
};
constexpr NamedKey kNamedKeys[] = {
    {"ESCAPE", vk::kEscape}, {"LEFT", vk::kLeft}, {"RIGHT", vk::kRight},   {"UP", vk::kUp},
    {"DOWN", vk::kDown},     {"ADD", vk::kAdd},   {"RETURN", vk::kReturn}, {"SPACE", vk::kSpace},
};

// The words of a line: the first kMaxWords of them, and how many there are.
constexpr size_t kMaxWords = 7;  // one more than the longest event
struct Words {
  std::array<std::string_view, kMaxWords> Word;
  size_t Count = 0;
  std::string_view operator[](size_t i) const { return Word[i]; }
};

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

Words SplitWords(std::string_view line) {
  Words words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    size_t j = i;
    while (j < line.size() && !IsSpace(line[j])) ++j;
    if (j > i) {
      if (words.Count < kMaxWords) words.Word[words.Count] = line.substr(i, j - i);
      ++words.Count;
    }
    i = j;
  }
  return words;
}

// A whole word as an unsigned number of the base, no sign, no spaces.
template <typename T>
std::optional<T> Number(std::string_view word, int base = 10) {
  if (base == 16 && word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    word.remove_prefix(2);
  }
  if (word.empty() || word[0] == '-' || word[0] == '+') return std::nullopt;
  T value{};
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value, base);
  if (ec != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

// A word of the script as an error message shows it: in quotes, at most 40 bytes of it, and every
// byte that is not printable ASCII written as \xNN.
std::string Quoted(std::string_view word) {
  constexpr size_t kShown = 40;
  std::string out = "\"";
  for (size_t i = 0; i < word.size() && i < kShown; ++i) {
    const auto c = static_cast<unsigned char>(word[i]);
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      static constexpr char kHex[] = "0123456789abcdef";
      out += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
    }
  }
  if (word.size() > kShown) out += "...";
  return out + "\"";
}

}  // namespace

std::optional<int> KeyFromName(std::string_view name) {
  if (name.size() == 1) {
    const auto c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return std::nullopt;
  }
  for (const NamedKey& k : kNamedKeys) {
    if (Is(name, k.Name)) return k.Key;
  }
  if (name.size() == 7 && Is(name.substr(0, 6), "NUMPAD") && name[6] >= '0' && name[6] <= '9') {
    return vk::kNumpad0 + (name[6] - '0');
  }
  if (name.size() >= 2 && name.size() <= 3 && Is(name.substr(0, 1), "F") && name[1] != '0') {
    if (auto f = Number<int>(name.substr(1)); f && *f >= 1 && *f <= 12) return vk::kF1 + *f - 1;
  }
  return std::nullopt;
}

namespace {

// The packed event's fields (see InputScript's events_).
constexpr int kFrameShift = 24;
constexpr uint64_t kJoyFlag = uint64_t{1} << 23;
constexpr uint64_t kJoyIndexMask = kJoyFlag - 1;
constexpr int kKindShift = 8;

uint64_t Pack(int64_t frame, ScriptEvent::Kind kind, int key) {
  return (static_cast<uint64_t>(frame) << kFrameShift) |
         (static_cast<uint64_t>(kind) << kKindShift) | static_cast<uint64_t>(key & 0xFF);
}

int64_t FrameOf(uint64_t packed) {
  return static_cast<int64_t>(packed >> kFrameShift);
}

}  // namespace

ScriptEvent InputScript::Event(size_t i) const {
  const uint64_t packed = events_[i];
  ScriptEvent e;
  e.Frame = FrameOf(packed);
  if ((packed & kJoyFlag) != 0) {
    const JoyEntry& joy = joys_[packed & kJoyIndexMask];
    e.What = ScriptEvent::Kind::Joy;
    e.Joy = joy.Joy;
    e.State = {joy.X, joy.Y, joy.Buttons};
  } else {
    e.What = static_cast<ScriptEvent::Kind>((packed >> kKindShift) & 3);
    (e.What == ScriptEvent::Kind::JoyOff ? e.Joy : e.Key) = static_cast<int>(packed & 0xFF);
  }
  return e;
}

bool InputScript::ParseLines(std::string_view text, std::string& error) {
  events_.clear();
  joys_.clear();
  std::vector<uint64_t> events;
  std::vector<JoyEntry> joys;
  // Room for two events a line (a tap), so that the events are not copied as they grow.
  events.reserve(2 * (static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1));
  int line_no = 0;
  auto fail = [&](const std::string& what) {
    error = "line " + std::to_string(line_no) + ": " + what;
    return false;
  };
  // A UTF-8 byte-order mark that an editor put at the start is not part of the first line.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  for (size_t pos = 0; pos <= text.size();) {
    ++line_no;
    size_t eol = text.find('\n', pos);
    if (eol == std::string_view::npos) eol = text.size();
    std::string_view line = text.substr(pos, eol - pos);
    pos = eol + 1;
    if (const size_t hash = line.find('#'); hash != std::string_view::npos) {
      line = line.substr(0, hash);
    }
    const Words w = SplitWords(line);
    if (w.Count == 0) continue;
    const auto frame = Number<int64_t>(w[0]);
    if (!frame) return fail(Quoted(w[0]) + " is not a frame number");
    if (*frame > kScriptMaxFrame) return fail("frame " + std::string(w[0]) + " is too large");
    if (w.Count < 2) return fail("an event is missing after the frame number");
    const std::string_view verb = w[1];
    const bool tap = Is(verb, "TAP");
    if (Is(verb, "DOWN") || Is(verb, "UP") || tap) {
      if (w.Count != 3) return fail(Quoted(w[1]) + " takes one key");
      const auto key = KeyFromName(w[2]);
      if (!key) return fail("unknown key " + Quoted(w[2]));
      const auto kind = Is(verb, "UP") ? ScriptEvent::Kind::KeyUp : ScriptEvent::Kind::KeyDown;
      events.push_back(Pack(*frame, kind, *key));
      if (tap) events.push_back(Pack(*frame + 1, ScriptEvent::Kind::KeyUp, *key));
    } else if (Is(verb, "JOY")) {
      if (w.Count < 3) return fail("\"joy\" needs a joystick number");
      const auto n = Number<int>(w[2]);
      if (!n || *n > 1) return fail("joystick " + Quoted(w[2]) + " is not 0 or 1");
      if (w.Count == 4 && Is(w[3], "OFF")) {
        events.push_back(Pack(*frame, ScriptEvent::Kind::JoyOff, *n));
      } else if (w.Count == 6) {
        const auto x = Number<uint32_t>(w[3]), y = Number<uint32_t>(w[4]);
        const auto mask = Number<uint32_t>(w[5], 16);
        if (!x || *x > 65535) return fail("x " + Quoted(w[3]) + " is not in 0..65535");
        if (!y || *y > 65535) return fail("y " + Quoted(w[4]) + " is not in 0..65535");
        if (!mask) {
          return fail("button mask " + Quoted(w[5]) + " is not a 32-bit hexadecimal number");
        }
        // A joystick line takes at least 14 bytes, so no script file (at most 64 MiB) comes near
        // the index's limit.
        if (joys.size() > kJoyIndexMask) return fail("too many joystick lines");
        events.push_back((static_cast<uint64_t>(*frame) << kFrameShift) | kJoyFlag | joys.size());
        joys.push_back({*mask, static_cast<uint16_t>(*x), static_cast<uint16_t>(*y),
                        static_cast<uint8_t>(*n)});
      } else {
        return fail("\"joy\" takes N X Y MASK or N off");
      }
    } else {
      return fail("unknown event " + Quoted(w[1]));
    }
  }
  events_ = std::move(events);
  joys_ = std::move(joys);
  return true;
}

void InputScript::SortByFrame() {
  const auto by_frame = [](uint64_t a, uint64_t b) { return FrameOf(a) < FrameOf(b); };
  if (!std::is_sorted(events_.begin(), events_.end(), by_frame)) {
    std::stable_sort(events_.begin(), events_.end(), by_frame);
  }
}

bool InputScript::Parse(std::string_view text, std::string& error) {
  if (!ParseLines(text, error)) return false;
  SortByFrame();
  return true;
}

bool InputScript::Load(const std::string& path, std::string& error) {
  events_.clear();
  joys_.clear();
  {
    std::vector<uint8_t> bytes;
    if (const FileFailure why = ReadLimitedFile(path, kMaxScriptBytes, bytes);
        why != FileFailure::None) {
      error =
          "cannot read the input script \"" + path + "\": " + FileFailureText(why, kMaxScriptBytes);
      return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!ParseLines(text, error)) {
      error = path + ": " + error;
      return false;
    }
  }
  SortByFrame();  // without the text, which is let go first
  return true;
}

void ScriptPlayback::Apply(int64_t frame, const std::function<bool(int key)>& key_down) {
  if (script_ == nullptr) return;
  while (next_ < script_->Size()) {
    const ScriptEvent e = script_->Event(next_);
    if (e.Frame > frame) break;
    ++next_;
    switch (e.What) {
      case ScriptEvent::Kind::KeyDown:
        keys_[static_cast<size_t>(e.Key & 0xFF)] = 1;
        if (e.Frame >= 1 && key_down && !key_down(e.Key)) return;
        break;
      case ScriptEvent::Kind::KeyUp:
        keys_[static_cast<size_t>(e.Key & 0xFF)] = -1;
        break;
      case ScriptEvent::Kind::Joy:
        joy_[static_cast<size_t>(e.Joy)] = Joy::Answers;
        joy_state_[static_cast<size_t>(e.Joy)] = e.State;
        break;
      case ScriptEvent::Kind::JoyOff:
        joy_[static_cast<size_t>(e.Joy)] = Joy::Silent;
        break;
    }
  }
}

void ScriptPlayback::Overlay(std::array<uint8_t, 256>& keys) const {
  for (size_t i = 0; i < keys.size(); ++i) {
    if (keys_[i] > 0) keys[i] = 0x80;
    if (keys_[i] < 0) keys[i] = 0;
  }
}

ScriptPlayback::Joy ScriptPlayback::Joystick(int id, JoyState* state) const {
  if (id < 0 || id > 1) return Joy::NotScripted;
  const Joy j = joy_[static_cast<size_t>(id)];
  if (j == Joy::Answers && state != nullptr) *state = joy_state_[static_cast<size_t>(id)];
  return j;
}

}  // namespace zk
