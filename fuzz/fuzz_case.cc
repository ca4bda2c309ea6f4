#include "fuzz_case.h"

#include <cstdio>
#include <cstdlib>

#include "literal/work_text.h"
#include "mikawase/translate.h"
#include "util/utf8.h"

namespace mikawase::fuzz {

namespace {

std::string Escaped(std::string_view bytes) {
  constexpr std::size_t kShown = 300;
  std::string out;
  for (std::size_t i = 0; i < bytes.size() && i < kShown; ++i) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  if (bytes.size() > kShown) out += "... (" + std::to_string(bytes.size()) + " bytes)";
  return out;
}

std::string Describe(const TranslationError& error) {
  return "kind " + std::to_string(static_cast<int>(error.kind())) + ", " + error.what();
}

std::size_t CountSelfFeedingLines(std::string_view bytes) {
  std::size_t count = 0;
  try {
    for (const DictionaryEntry& entry : ParseDictionary(bytes, "").entries) {
      if (!entry.key.empty() && entry.value.find(entry.key) != std::string::npos) ++count;
    }
  } catch (const TranslationError&) {
    // Refused whole: no line is applied.
  }
  return count;
}

}  // namespace

void Fail(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "\n*** broken invariant: %.*s\n", static_cast<int>(what.size()),
               what.data());
  if (!detail.empty()) {
    std::fprintf(stderr, "    %.*s\n", static_cast<int>(detail.size()), detail.data());
  }
  std::abort();
}

std::size_t CountLines(std::string_view bytes) {
  std::size_t lines = 0;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (bytes[at] == '\n' && at > 0 && bytes[at - 1] == '\r') continue;
    if (bytes[at] == '\r' || bytes[at] == '\n') ++lines;
  }
  if (!bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n') ++lines;
  return lines;
}

std::optional<FuzzCase> SplitFuzzInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  FuzzCase fuzz_case;
  std::size_t cut = rest.find(kPartSeparator);
  fuzz_case.text = rest.substr(0, cut);
  for (std::optional<std::string_view>& dictionary : fuzz_case.dictionaries) {
    if (cut == std::string_view::npos) break;
    rest.remove_prefix(cut + 1);
    bool last = &dictionary == &fuzz_case.dictionaries.back();
    cut = last ? std::string_view::npos : rest.find(kPartSeparator);
    dictionary = rest.substr(0, cut);
  }
  if (fuzz_case.text.size() > kMaxTextBytes) return std::nullopt;
  if (FindInvalidUtf8(fuzz_case.text)) return std::nullopt;
  std::size_t self_feeding = 0;
  for (const std::optional<std::string_view>& dictionary : fuzz_case.dictionaries) {
    if (!dictionary) continue;
    if (dictionary->size() > kMaxDictionaryBytes) return std::nullopt;
    if (CountLines(*dictionary) > kMaxDictionaryLines) return std::nullopt;
    self_feeding += CountSelfFeedingLines(*dictionary);
  }
  if (self_feeding > kMaxSelfFeedingLines) return std::nullopt;
  return fuzz_case;
}

DictionaryLoader BytesLoader(const FuzzCase& fuzz_case) {
  return [&fuzz_case](std::string_view file_name, DictionaryLayer layer) {
    // The cases hold no personal dictionaries: a missing one changes nothing.
    if (layer == DictionaryLayer::kPersonal) return DictionaryContents{};
    for (std::size_t i = 0; i < kDictionaryFiles.size(); ++i) {
      if (file_name != kDictionaryFiles[i]) continue;
      if (!fuzz_case.dictionaries[i]) {
        throw TranslationError(ErrorKind::kMissingFile, std::string(file_name), 0,
                               "the dictionary file does not exist");
      }
      return ParseDictionary(*fuzz_case.dictionaries[i], std::string(file_name));
    }
    Fail("the engine asked for a dictionary that does not exist", file_name);
  };
}

void CheckTranslation(const FuzzCase& fuzz_case, const std::string* output,
                      const TranslationError* error) {
  if (output != nullptr) {
    if (FindInvalidUtf8(*output)) Fail("the result is not valid UTF-8", Escaped(*output));
    if (output->find(' ') != std::string::npos) {
      Fail("an ASCII space survived the final space removal", Escaped(*output));
    }
    if (output->size() > GrowthLimit(fuzz_case.text.size())) {
      Fail("the result is longer than the growth limit allows");
    }
    // A result means that every dictionary was read to its end: a bad line
    // skipped in silence would leave a wrong rendering on the screen.
    for (std::size_t i = 0; i < kDictionaryFiles.size(); ++i) {
      std::string name(kDictionaryFiles[i]);
      if (!fuzz_case.dictionaries[i]) Fail("translated although a dictionary is missing", name);
      try {
        DictionaryContents parsed = ParseDictionary(*fuzz_case.dictionaries[i], name);
        if (parsed.failure) {
          Fail("translated although a dictionary line is bad", parsed.failure->what());
        }
      } catch (const TranslationError& refused) {
        Fail("translated although a dictionary is refused whole", refused.what());
      }
    }
    return;
  }

  // An error must name the first dictionary, in pipeline order, that is
  // broken, and the line in it that the user has to fix.
  std::size_t failed = 0;
  while (failed < kDictionaryFiles.size() && error->file() != kDictionaryFiles[failed]) ++failed;
  if (failed == kDictionaryFiles.size()) Fail("the error names no dictionary", Describe(*error));
  std::string expected_what = error->file();
  if (error->line() > 0) expected_what += ":" + std::to_string(error->line());
  expected_what += ": " + error->problem();
  if (error->what() != expected_what) Fail("the message is not FILE:LINE: PROBLEM", error->what());

  for (std::size_t i = 0; i < failed; ++i) {
    std::string name(kDictionaryFiles[i]);
    bool whole = false;
    try {
      whole = fuzz_case.dictionaries[i] &&
              !ParseDictionary(*fuzz_case.dictionaries[i], name).failure;
    } catch (const TranslationError&) {
    }
    if (!whole) Fail("an earlier broken dictionary was passed over", name + "; " + Describe(*error));
  }

  const std::optional<std::string_view>& bytes = fuzz_case.dictionaries[failed];
  if (!bytes) {
    if (error->kind() != ErrorKind::kMissingFile || error->line() != 0) {
      Fail("a missing dictionary is reported as something else", Describe(*error));
    }
    return;
  }
  DictionaryContents parsed;
  try {
    parsed = ParseDictionary(*bytes, error->file());
  } catch (const TranslationError& refused) {
    if (error->kind() != refused.kind() || error->line() != refused.line()) {
      Fail("a dictionary refused whole is reported differently",
           Describe(*error) + " instead of " + Describe(refused));
    }
    return;
  }
  // Lines before a bad line still take effect, so one of them may run away
  // first.
  if (error->kind() == ErrorKind::kRunawayGrowth && error->line() >= 1 &&
      error->line() <= parsed.entries.size()) {
    return;
  }
  if (!parsed.failure) Fail("an error from a dictionary that reads cleanly", Describe(*error));
  if (error->kind() != parsed.failure->kind() || error->line() != parsed.failure->line()) {
    Fail("a bad line is reported differently",
         Describe(*error) + " instead of " + Describe(*parsed.failure));
  }
}

}  // namespace mikawase::fuzz
