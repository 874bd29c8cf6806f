// The headless MIDI performance: segments are checked files; playing is only recorded.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/audio_backends.h"
#include "platform/midi_file.h"

namespace zk {

namespace {

class HeadlessSegment final : public MidiSegment {
 public:
  explicit HeadlessSegment(std::string path) : Path(std::move(path)) {}
  std::string Path;
};

class HeadlessMidi final : public MidiPerformance {
 public:
  explicit HeadlessMidi(std::function<void(std::string)> record) : record_(std::move(record)) {}

  std::unique_ptr<MidiSegment> LoadSegment(const std::string& name) override {
    std::string path;
    std::vector<uint8_t> bytes;
    if (!LoadMidiFile(name, path, bytes)) return nullptr;
    return std::make_unique<HeadlessSegment>(path);
  }
  bool Play(MidiSegment& segment, int) override {
    Record("music " + static_cast<HeadlessSegment&>(segment).Path);
    return true;
  }
  bool Stop() override {
    Record("music-stop");
    return true;
  }
  bool TransitionTo(MidiSegment&) override {
    Record("pinch");
    return true;
  }
  void Unload(MidiSegment&) override {}

 private:
  void Record(std::string text) {
    if (record_) record_(std::move(text));
  }
  std::function<void(std::string)> record_;
};

}  // namespace

std::unique_ptr<MidiPerformance> MakeHeadlessMidi(std::function<void(std::string)> record) {
  return std::make_unique<HeadlessMidi>(std::move(record));
}

}  // namespace zk
