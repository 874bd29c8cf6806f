// A form on the headless platform for the tests of the display and sound services.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "audio/bmp_builder.h"
#include "platform/headless_platform.h"
#include "platform/resources.h"
#include "shell/form.h"

namespace zk::test {

// A WAVE image in the game's format: PCM, mono, 8000 Hz, 8 bits.
inline std::vector<uint8_t> GameWave(size_t samples = 80) {
  std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
  Put32(out, static_cast<uint32_t>(36 + samples + (samples & 1)));
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  Put32(out, 16);
  Put16(out, 1);
  Put16(out, 1);
  Put32(out, 8000);
  Put32(out, 8000);
  Put16(out, 1);
  Put16(out, 8);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  Put32(out, static_cast<uint32_t>(samples));
  out.insert(out.end(), samples, 128);
  if (samples & 1) out.push_back(0);
  return out;
}

class ServicesTest : public ::testing::Test {
 protected:
  ServicesTest() : form_(host_) {}
  ~ServicesTest() override { SetResourceOverride({}); }

  // Puts a table of resources in front of the program's own.
  void Resources(std::vector<ResourceEntry> entries) {
    table_ = std::move(entries);
    SetResourceOverride(table_);
  }
  std::vector<std::string> Recorded() { return host_.TakeRecorded(); }

  HeadlessPlatform host_;
  TForm1 form_;
  std::vector<ResourceEntry> table_;
};

// Runs a test in a scratch working directory.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    dir_ = std::filesystem::temp_directory_path() /
           ("zk_services_" + std::to_string(getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_ / "music");
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
  }
  ~ScratchDirectory() {
    std::filesystem::current_path(old_);
    std::filesystem::remove_all(dir_);
  }
  static void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }

 private:
  std::filesystem::path dir_, old_;
};

}  // namespace zk::test
