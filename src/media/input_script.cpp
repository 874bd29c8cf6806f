// The input script's reader and its playback.
#include "media/input_script.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "media/media_files.h"

namespace zk {

namespace {

// A script file larger than this is refused (a frame a line would need millions of frames).
constexpr size_t kMaxScriptBytes = 64 * 1024 * 1024;

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

struct NamedKey {
  const char* Name;
  int Key;
};
constexpr NamedKey kNamedKeys[] = {
    {"ESCAPE", vk::kEscape}, {"LEFT", vk::kLeft}, {"RIGHT", vk::kRight},   {"UP", vk::kUp},
    {"DOWN", vk::kDown},     {"ADD", vk::kAdd},   {"RETURN", vk::kReturn}, {"SPACE", vk::kSpace},
};

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    size_t j = i;
    while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r') ++j;
    if (j > i) words.push_back(line.substr(i, j - i));
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
  const std::string n = Upper(name);
  if (n.size() == 1 && ((n[0] >= 'A' && n[0] <= 'Z') || (n[0] >= '0' && n[0] <= '9'))) {
    return n[0];
  }
  for (const NamedKey& k : kNamedKeys) {
    if (n == k.Name) return k.Key;
  }
  if (n.size() == 7 && n.starts_with("NUMPAD") && n[6] >= '0' && n[6] <= '9') {
    return vk::kNumpad0 + (n[6] - '0');
  }
  if (n.size() >= 2 && n.size() <= 3 && n[0] == 'F') {
    if (auto f = Number<int>(std::string_view(n).substr(1));
        f && *f >= 1 && *f <= 12 && n[1] != '0') {
      return vk::kF1 + *f - 1;
    }
  }
  return std::nullopt;
}

bool InputScript::Parse(std::string_view text, std::string& error) {
  events_.clear();
  std::vector<ScriptEvent> events;
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
    const std::vector<std::string_view> w = Words(line);
    if (w.empty()) continue;
    const auto frame = Number<int64_t>(w[0]);
    if (!frame) return fail(Quoted(w[0]) + " is not a frame number");
    if (*frame > kScriptMaxFrame) return fail("frame " + std::string(w[0]) + " is too large");
    ScriptEvent e;
    e.Frame = *frame;
    e.Line = line_no;
    if (w.size() < 2) return fail("an event is missing after the frame number");
    const std::string verb = Upper(w[1]);
    if (verb == "DOWN" || verb == "UP" || verb == "TAP") {
      if (w.size() != 3) return fail(Quoted(w[1]) + " takes one key");
      const auto key = KeyFromName(w[2]);
      if (!key) return fail("unknown key " + Quoted(w[2]));
      e.Key = *key;
      e.What = verb == "UP" ? ScriptEvent::Kind::KeyUp : ScriptEvent::Kind::KeyDown;
      events.push_back(e);
      if (verb == "TAP") {
        e.Frame += 1;
        e.What = ScriptEvent::Kind::KeyUp;
        events.push_back(e);
      }
    } else if (verb == "JOY") {
      if (w.size() < 3) return fail("\"joy\" needs a joystick number");
      const auto n = Number<int>(w[2]);
      if (!n || *n > 1) return fail("joystick " + Quoted(w[2]) + " is not 0 or 1");
      e.Joy = *n;
      if (w.size() == 4 && Upper(w[3]) == "OFF") {
        e.What = ScriptEvent::Kind::JoyOff;
      } else if (w.size() == 6) {
        const auto x = Number<uint32_t>(w[3]), y = Number<uint32_t>(w[4]);
        const auto mask = Number<uint32_t>(w[5], 16);
        if (!x || *x > 65535) return fail("x " + Quoted(w[3]) + " is not in 0..65535");
        if (!y || *y > 65535) return fail("y " + Quoted(w[4]) + " is not in 0..65535");
        if (!mask) {
          return fail("button mask " + Quoted(w[5]) + " is not a 32-bit hexadecimal number");
        }
        e.What = ScriptEvent::Kind::Joy;
        e.State = {*x, *y, *mask};
      } else {
        return fail("\"joy\" takes N X Y MASK or N off");
      }
      events.push_back(e);
    } else {
      return fail("unknown event " + Quoted(w[1]));
    }
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.Frame < b.Frame; });
  events_ = std::move(events);
  return true;
}

bool InputScript::Load(const std::string& path, std::string& error) {
  events_.clear();
  std::vector<uint8_t> bytes;
  if (!ReadFileLimited(path, kMaxScriptBytes, bytes)) {
    error = path + ": cannot be read";
    return false;
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!Parse(text, error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

void ScriptPlayback::Apply(int64_t frame, const std::function<bool(int key)>& key_down) {
  if (script_ == nullptr) return;
  const std::vector<ScriptEvent>& events = script_->Events();
  while (next_ < events.size() && events[next_].Frame <= frame) {
    const ScriptEvent& e = events[next_++];
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
