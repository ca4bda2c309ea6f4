// The whole translation, with the text and all three dictionaries taken
// from the fuzzer's bytes (layout in fuzz_case.h). Besides the sanitizers'
// findings it fails when a result could not be shown as it is, or when an
// error does not name the first broken dictionary and its line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_case.h"
#include "literal/literal_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace mikawase;
  std::optional<fuzz::FuzzCase> fuzz_case = fuzz::SplitFuzzInput(data, size);
  if (!fuzz_case) return -1;
  try {
    std::string output = TranslateLiterally(fuzz_case->text, fuzz::BytesLoader(*fuzz_case));
    fuzz::CheckTranslation(*fuzz_case, &output, nullptr);
  } catch (const TranslationError& error) {
    fuzz::CheckTranslation(*fuzz_case, nullptr, &error);
  }
  return 0;
}
