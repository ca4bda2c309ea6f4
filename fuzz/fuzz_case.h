// What the translation fuzzers feed the engine: one English text and the
// three dictionaries, all cut out of the fuzzer's bytes, so that no file is
// ever touched.
//
// The bytes read TEXT 0x1E NOUN 0x1E ADJECTIVE 0x1E ROME. The record
// separator 0x1E cuts them into at most four parts; the last part keeps any
// further separators. A dictionary whose part is absent is a missing file,
// which puts the missing-file path under the fuzzer too. To the engine 0x1E
// is an ordinary ASCII character that no rule mentions, so giving it up
// inside the parts costs nothing.
#ifndef MIKAWASE_FUZZ_FUZZ_CASE_H_
#define MIKAWASE_FUZZ_FUZZ_CASE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dictionary/dictionary_set.h"
#include "rules/pipeline.h"
#include "mikawase/translation_error.h"

namespace mikawase::fuzz {

inline constexpr char kPartSeparator = '\x1E';

// Bounds that keep one execution well under a second. The text bound keeps
// the growth limit near its 64 MiB floor, so a dictionary that feeds on
// itself is stopped after a few dozen passes; the line bound matters because
// the literal engine makes one or two passes over the whole text per line.
inline constexpr std::size_t kMaxTextBytes = 4096;
inline constexpr std::size_t kMaxDictionaryBytes = 4096;
inline constexpr std::size_t kMaxDictionaryLines = 64;
// A line whose value holds its own key can double the text at every pass.
// Twenty such lines take a short text to the growth limit in passes that
// cost seconds under the sanitizers, and once libFuzzer finds them it keeps
// mutating them; a few are enough to fuzz the guard, since a value that
// holds its key a thousand times gets there in two lines.
inline constexpr std::size_t kMaxSelfFeedingLines = 4;

struct FuzzCase {
  std::string_view text;
  // In the order the pipeline applies them (kDictionaryFiles).
  std::array<std::optional<std::string_view>, kDictionaryStages> dictionaries;
};

// The case in `data`, or nullopt when it breaks a bound or the text is not
// valid UTF-8 (the engine's callers reject such text before translating);
// the fuzzer then returns -1 so that libFuzzer does not keep the input.
std::optional<FuzzCase> SplitFuzzInput(const std::uint8_t* data, std::size_t size);

// Lines as the dictionary reader counts them: each CR LF, lone CR or lone LF
// ends one, and a last line without a line end counts too.
std::size_t CountLines(std::string_view bytes);

// A loader that parses the case's bytes; an absent part throws kMissingFile.
DictionaryLoader BytesLoader(const FuzzCase& fuzz_case);

// Checks what a translation of `fuzz_case` gave: a result that could be
// shown, or an error that names the first broken file and the line in it.
void CheckTranslation(const FuzzCase& fuzz_case, const std::string* output,
                      const TranslationError* error);

// Reports a broken invariant and aborts, which libFuzzer records as a crash
// and the replay driver as a failed test.
[[noreturn]] void Fail(std::string_view what, std::string_view detail = {});

}  // namespace mikawase::fuzz

#endif  // MIKAWASE_FUZZ_FUZZ_CASE_H_
