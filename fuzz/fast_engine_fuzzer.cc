// The fast engine against the literal one, the reference it must match byte
// for byte: the same text and dictionaries (layout in fuzz_case.h) must give
// the same result, or the same error, naming the same file and line.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fast/fast_engine.h"
#include "fuzz_case.h"
#include "literal/literal_engine.h"

namespace {

using namespace mikawase;

struct Outcome {
  std::optional<std::string> output;
  std::optional<TranslationError> error;
};

template <typename Engine>
Outcome Run(Engine translate, const fuzz::FuzzCase& fuzz_case) {
  Outcome outcome;
  try {
    outcome.output = translate(fuzz_case.text, fuzz::BytesLoader(fuzz_case));
  } catch (const TranslationError& error) {
    outcome.error = error;
  }
  return outcome;
}

std::string Describe(const Outcome& outcome) {
  if (outcome.output) return "result of " + std::to_string(outcome.output->size()) + " bytes";
  return "error kind " + std::to_string(static_cast<int>(outcome.error->kind())) + ": " +
         outcome.error->what();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::optional<fuzz::FuzzCase> fuzz_case = fuzz::SplitFuzzInput(data, size);
  if (!fuzz_case) return -1;
  Outcome literal = Run(TranslateLiterally, *fuzz_case);
  Outcome fast = Run(TranslateFast, *fuzz_case);
  fuzz::CheckTranslation(*fuzz_case, literal.output ? &*literal.output : nullptr,
                         literal.error ? &*literal.error : nullptr);

  std::string both = "literal: " + Describe(literal) + "\n    fast:    " + Describe(fast);
  if (literal.output.has_value() != fast.output.has_value()) {
    fuzz::Fail("one engine translated, the other failed", both);
  }
  if (literal.output) {
    if (*literal.output != *fast.output) fuzz::Fail("the engines give different results", both);
    return 0;
  }
  if (literal.error->kind() != fast.error->kind() || literal.error->file() != fast.error->file() ||
      literal.error->line() != fast.error->line()) {
    fuzz::Fail("the engines fail differently", both);
  }
  return 0;
}
