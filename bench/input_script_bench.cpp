// Reading an input script: 4 MiB of script lines, once in frame order and once with every line at
// the same frame, whose taps then have to be sorted. The biggest script the game takes (64 MiB)
// must be ready well within a second: about 170 MB/s in order and 130 MB/s sorted here (a reader
// that made a list of words and a 40-byte event a line managed 17 to 40 MB/s). Below 60 MB/s the
// reader has become too slow.
#include <benchmark/benchmark.h>

#include <string>

#include "media/input_script.h"

namespace zk {
namespace {

constexpr size_t kScriptBytes = 4 * 1024 * 1024;

std::string Script(bool in_order) {
  static const char* const kLines[] = {"tap G", "down LEFT", "up LEFT", "joy 0 32768 100 0x3"};
  std::string text;
  for (int64_t n = 0; text.size() < kScriptBytes; ++n) {
    text += std::to_string(in_order ? n / 4 + 1 : 1) + " " + kLines[n % 4] + "\n";
  }
  return text;
}

void BM_InputScriptRead(benchmark::State& state) {
  const std::string text = Script(state.range(0) == 1);
  std::string error;
  for (auto _ : state) {
    InputScript script;
    if (!script.Parse(text, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(script.Size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_InputScriptRead)->ArgName("in_order")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zk
