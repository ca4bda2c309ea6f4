// Translation speed, in bytes of input per second, with compiling the
// dictionaries timed apart from translating.
//
// Inputs come from bench/make_inputs.sh (real English, CR LF and one-line
// cuts of 2 KB, 100 KB and 1 MB, and a synthetic 50,000-line dictionary
// set); MIKAWASE_BENCH_INPUTS names their folder, build/bench-inputs by
// default. The literal engine is only run on the 2 KB input: it needs
// minutes for the larger ones, which bench/run_cli.sh times once.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "dictionary/dictionary_set.h"
#include "fast/fast_engine.h"
#include "mikawase/translate.h"

namespace {

std::string InputsFolder() {
  const char* folder = std::getenv("MIKAWASE_BENCH_INPUTS");
  return std::string(folder != nullptr ? folder : MIKAWASE_SOURCE_DIR "/build/bench-inputs") + "/";
}

std::string DataFolder(bool synthetic) {
  return synthetic ? InputsFolder() + "synthetic/" : std::string(MIKAWASE_SOURCE_DIR "/data/");
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "missing %s: run bench/make_inputs.sh first\n", path.c_str());
    std::exit(1);
  }
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

const char* const kInputs[] = {"english-2k", "english-2k-line", "english-100k",
                               "english-100k-line", "english-1m", "english-1m-line"};

// Reading and compiling the three dictionaries, which the fast engine does
// again only when a file's bytes change.
void BM_CompileDictionaries(benchmark::State& state) {
  mikawase::DictionaryLoader load = mikawase::FolderLoader({DataFolder(state.range(0) == 1), ""});
  for (auto _ : state) benchmark::DoNotOptimize(mikawase::TranslateFast("", load));
}
BENCHMARK(BM_CompileDictionaries)->ArgName("synthetic")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One translation as the window makes it: the three files are read again
// and checked against the compiled cache, then the text is translated.
void BM_Translate(benchmark::State& state) {
  std::string input = Slurp(InputsFolder() + kInputs[state.range(0)] + ".txt");
  std::string data = DataFolder(state.range(1) == 1);
  auto engine = state.range(2) == 1 ? mikawase::Engine::kLiteral : mikawase::Engine::kFast;
  state.SetLabel(std::string(kInputs[state.range(0)]) +
                 (state.range(1) == 1 ? " synthetic" : " shipped") +
                 (engine == mikawase::Engine::kLiteral ? " literal" : " fast"));
  for (auto _ : state) {
    benchmark::DoNotOptimize(mikawase::TranslateWithDataFolder(input, data, engine));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}
BENCHMARK(BM_Translate)
    ->ArgNames({"input", "synthetic", "literal"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1}, {0}})
    ->Args({0, 0, 1})
    ->Args({0, 1, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
