// Scratch folders for the tests that read or write files: each test gets a fresh folder of its own
// under the system's temporary folder, so tests never share files with each other, with another
// run of the tests, or with the build's data folder.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "support/files.h"

namespace zk::test {

// A new, empty, uniquely named folder; removed with everything in it at the end.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& prefix = "zk_test") {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "_XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      ADD_FAILURE() << "cannot make a scratch folder from " << pattern;
      return;
    }
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // A file's path inside the folder.
  std::string PathOf(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Makes a folder the working directory for its lifetime, then goes back to the one before.
class WorkingDir {
 public:
  explicit WorkingDir(const std::filesystem::path& dir)
      : original_(std::filesystem::current_path()) {
    if (!dir.empty()) std::filesystem::current_path(dir);
  }
  ~WorkingDir() { std::filesystem::current_path(original_); }
  WorkingDir(const WorkingDir&) = delete;
  WorkingDir& operator=(const WorkingDir&) = delete;

  // The working directory before.
  const std::filesystem::path& Original() const { return original_; }

 private:
  std::filesystem::path original_;
};

// A scratch folder as the working directory for the test.
class ScratchWorkingDir {
 public:
  explicit ScratchWorkingDir(const std::string& prefix = "zk_test")
      : scratch_(prefix), working_(scratch_.Path()) {}

  const std::filesystem::path& Path() const { return scratch_.Path(); }
  const std::filesystem::path& Original() const { return working_.Original(); }

 private:
  ScratchDir scratch_;  // made first, removed last (after the working directory is back)
  WorkingDir working_;
};

// The working directory for the tests that read the game's music and pictures by name: a scratch
// folder with empty "music" and "others" folders.
class ScratchDirectory : public ScratchWorkingDir {
 public:
  ScratchDirectory() {
    std::filesystem::create_directories("music");
    std::filesystem::create_directories("others");
  }
  // Writes a file, its path relative to the working directory.
  static void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    WriteBytes(path, bytes);
  }
};

// The working directory for the tests that run the whole game: a scratch folder that links to
// everything in the data folder (the current directory when it is made) except the score files,
// so the game finds its pictures and music but every test starts with no score files and leaves
// none behind.
class ScopedDataDir : public ScratchWorkingDir {
 public:
  ScopedDataDir() : ScratchWorkingDir("zk_scenario") {
    namespace fs = std::filesystem;
    if (Path().empty()) return;  // already reported
    for (const fs::directory_entry& entry : fs::directory_iterator(Original())) {
      const std::string name = entry.path().filename().string();
      if (name == "score.vur" || name == "score_hard.vur") continue;
      fs::create_symlink(entry.path(), Path() / name);
    }
  }
  // Turns a linked folder into one of its own that links to each file, so a test may remove or
  // replace one of them without touching the data folder.
  void Detach(const std::string& folder) const {
    namespace fs = std::filesystem;
    const fs::path original = Original() / folder;
    fs::remove(Path() / folder);
    fs::create_directory(Path() / folder);
    for (const fs::directory_entry& entry : fs::directory_iterator(original)) {
      fs::create_symlink(entry.path(), Path() / folder / entry.path().filename());
    }
  }
};

}  // namespace zk::test
