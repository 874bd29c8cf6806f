// The whole default pack: data files below the data folder and the compiled-in resources.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zk::assetgen {

struct PackFile {
  std::string Path;  // below the data folder, with '/'
  std::vector<uint8_t> Bytes;
};

struct PackResource {
  std::string Name;
  bool Wave;  // else a bitmap
  std::vector<uint8_t> Bytes;
};

// Robot views, others/*.bmp and the MIDI files.
std::vector<PackFile> MakeDataFiles();

// "SABAKU", "SELECT_MARKS", "SELECT_MOS", "WEAPON" and the WAVE effects.
std::vector<PackResource> MakeResources();

// The C++ source of the resource table (namespace zk: kCompiledResources, kCompiledResourceCount).
std::string ResourcesSource(const std::vector<PackResource>& resources);

// The two MP3 pieces as 16-bit WAVE files, for the encoder.
std::vector<PackFile> MakeMp3Sources();

// Writes the file (making its folders) unless it already holds exactly these bytes, so that an
// unchanged pack does not make anything rebuild. True when it wrote; throws on failure.
bool WriteFileIfChanged(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

}  // namespace zk::assetgen
