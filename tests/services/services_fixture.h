// A form on the headless platform for the tests of the display and sound services.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless_platform.h"
#include "platform/resources.h"
#include "shell/form.h"
#include "support/media_builders.h"
#include "support/scratch_dir.h"

namespace zk::test {

// A WAVE image in the game's format: PCM, mono, 8000 Hz, 8 bits.
inline std::vector<uint8_t> GameWave(size_t samples = 80) {
  WaveSpec wave;
  wave.Samples.assign(samples, 128);
  return BuildWave(wave);
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

}  // namespace zk::test
