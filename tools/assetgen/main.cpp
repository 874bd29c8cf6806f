// assetgen: writes the default picture, sound and music pack and the compiled-in resource table.
//
//   assetgen --data DIR --resources FILE.cpp [--lame PATH | --no-mp3] [--resource-files DIR]
//
// --resource-files also writes each compiled-in resource as a file (NAME.bmp, NAME.wav), to look
// at.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

#include "pack.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: assetgen --data DIR --resources FILE.cpp [--lame PATH | --no-mp3] "
               "[--resource-files DIR]\n");
  return 2;
}

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) {
    if (c == '\'')
      q += "'\\''";
    else
      q += c;
  }
  return q + "'";
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  using namespace zk::assetgen;
  std::string data, resources, resourceFiles, lame = "lame";
  bool mp3 = true;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--data" && i + 1 < argc)
      data = argv[++i];
    else if (a == "--resources" && i + 1 < argc)
      resources = argv[++i];
    else if (a == "--lame" && i + 1 < argc)
      lame = argv[++i];
    else if (a == "--resource-files" && i + 1 < argc)
      resourceFiles = argv[++i];
    else if (a == "--no-mp3")
      mp3 = false;
    else
      return Usage();
  }
  if (data.empty() || resources.empty()) return Usage();
  try {
    for (const PackFile& f : MakeDataFiles()) WriteFileIfChanged(fs::path(data) / f.Path, f.Bytes);
    const std::vector<PackResource> res = MakeResources();
    if (!resourceFiles.empty())
      for (const PackResource& r : res)
        WriteFileIfChanged(fs::path(resourceFiles) / (r.Name + (r.Wave ? ".wav" : ".bmp")),
                           r.Bytes);
    const std::string src = ResourcesSource(res);
    WriteFileIfChanged(resources, std::vector<uint8_t>(src.begin(), src.end()));
    if (mp3) {
      // The encoder's input is kept beside the resource table, so an unchanged piece whose MP3
      // is there is not encoded again.
      const fs::path work = fs::path(resources).parent_path();
      for (const PackFile& f : MakeMp3Sources()) {
        const fs::path out = fs::path(data) / f.Path;
        const fs::path wav = work / (out.filename().string() + ".wav");
        if (!WriteFileIfChanged(wav, f.Bytes) && fs::exists(out)) continue;
        const std::string cmd = Quote(lame) + " --quiet -m m -b 64 " + Quote(wav.string()) + " " +
                                Quote(out.string() + ".part");
        if (std::system(cmd.c_str()) != 0) {
          fs::remove(wav);  // so the next run tries again
          std::fprintf(stderr, "assetgen: the MP3 encoder failed: %s\n", cmd.c_str());
          return 1;
        }
        fs::rename(out.string() + ".part", out);
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "assetgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
