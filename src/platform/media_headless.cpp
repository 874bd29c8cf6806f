// The headless MP3 player: opens only files that exist, plays nothing, records play and stop.
// Without a clock a piece never ends, so it never sends the completion notice.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/audio_backends.h"
#include "platform/media_files.h"

namespace zk {

namespace {

class HeadlessMediaPlayer final : public MediaPlayer {
 public:
  explicit HeadlessMediaPlayer(std::function<void(std::string)> record)
      : record_(std::move(record)) {}

  void Open(const std::string& name) override {
    Close();
    const std::string path = GamePath(name);
    std::vector<uint8_t> bytes;
    if (!ReadFileLimited(path, kMaxBytes, bytes) || bytes.empty()) {
      throw MediaError("Cannot open the music file \"" + name + "\".");
    }
    path_ = path;
    mode_ = MediaMode::Stopped;
  }
  void Play() override {
    if (mode_ == MediaMode::NotReady) return;
    if (record_) record_("mp3 " + path_);
    mode_ = MediaMode::Playing;
  }
  void Stop() override {
    if (record_) record_("mp3-stop");
    if (mode_ != MediaMode::NotReady) mode_ = MediaMode::Stopped;
  }
  void Close() override {
    path_.clear();
    mode_ = MediaMode::NotReady;
  }
  MediaMode Mode() const override { return mode_; }

 private:
  static constexpr size_t kMaxBytes = 64 * 1024 * 1024;
  std::function<void(std::string)> record_;
  std::string path_;
  MediaMode mode_ = MediaMode::NotReady;
};

}  // namespace

std::unique_ptr<MediaPlayer> MakeHeadlessMediaPlayer(std::function<void(std::string)> record,
                                                     std::function<void()>) {
  return std::make_unique<HeadlessMediaPlayer>(std::move(record));
}

}  // namespace zk
