// Runs a test in a fresh folder that links to the data folder's pictures and music but has score
// files of its own, so tests never share or leave score files.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace zk::test {

class ScopedDataDir {
 public:
  ScopedDataDir() {
    namespace fs = std::filesystem;
    original_ = fs::current_path().string();
    std::string pattern = (fs::temp_directory_path() / "zk-scenario-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      ADD_FAILURE() << "cannot make a temporary folder";
      return;
    }
    path_ = pattern;
    for (const fs::directory_entry& entry : fs::directory_iterator(original_)) {
      const std::string name = entry.path().filename().string();
      if (name == "score.vur" || name == "score_hard.vur") continue;
      fs::create_symlink(entry.path(), fs::path(path_) / name);
    }
    fs::current_path(path_);
  }
  ~ScopedDataDir() {
    namespace fs = std::filesystem;
    fs::current_path(original_);
    if (!path_.empty()) {
      std::error_code ec;
      fs::remove_all(path_, ec);
    }
  }
  ScopedDataDir(const ScopedDataDir&) = delete;
  ScopedDataDir& operator=(const ScopedDataDir&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string original_;
  std::string path_;
};

}  // namespace zk::test
