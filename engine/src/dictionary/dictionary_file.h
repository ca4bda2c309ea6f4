// The dictionary files: reading and checking them, and what each mode replaces.
//
// A dictionary is a text file in CP932, one entry a line. Characters 1 to 15
// of a line are the key (trailing spaces removed, leading spaces kept), the
// rest is the value, taken as it is. Lines end at CR LF, at a lone CR, or at
// a lone LF: files edited on Linux have LF-only line ends, and reading such
// a file as one line would corrupt every translation without a word.
#ifndef MIKAWASE_DICTIONARY_FILE_H_
#define MIKAWASE_DICTIONARY_FILE_H_

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mikawase/translation_error.h"
#include "rules/dict_mode.h"

namespace mikawase {

// The key field is this many characters wide; a line must be at least as
// long.
inline constexpr std::size_t kKeyFieldWidth = 15;

struct DictionaryEntry {
  std::string key;    // UTF-8, trailing U+0020 removed
  std::string value;  // UTF-8, as written
  std::size_t line;   // 1-based
};

// A file as read: its entries up to the first bad line, and that line's
// failure. Lines before a bad line still take effect, in order, before the
// failure is raised; so an earlier line that runs away is what gets
// reported, not a later bad byte.
struct DictionaryContents {
  std::string path;
  std::vector<DictionaryEntry> entries;
  std::optional<TranslationError> failure;
};

// The raw lines of a file, with their line ends (CR, LF or CR LF) or
// without. CR and LF never occur inside a CP932 character (its second bytes
// are 0x40 and up), so lines can be cut before decoding. A line end right
// before the end of the file closes the last line and does not begin
// another.
enum class LineEnds { kDropped, kKept };
std::vector<std::string_view> SplitLines(std::string_view bytes,
                                         LineEnds ends = LineEnds::kDropped);

// Checks and splits the bytes of a dictionary file. Throws TranslationError
// for what spoils the whole file (saved as UTF-8 or UTF-16); a bad line is
// returned as `failure`.
DictionaryContents ParseDictionary(std::string_view bytes, const std::string& path);

// Every line of a file, for a tool that reports all its problems at once:
// the entries of the good lines and the failure of each bad one, each in
// line order. Throws TranslationError, as ParseDictionary does, for a file
// saved whole in another encoding.
struct DictionaryLines {
  std::vector<DictionaryEntry> entries;
  std::vector<TranslationError> failures;
};
DictionaryLines ParseEveryLine(std::string_view bytes, const std::string& path);

// The bytes of the file at `path`. Throws TranslationError when the folder
// or the file is missing or cannot be read.
std::string ReadDictionaryBytes(const std::string& path);

// The same bytes handed to take(block) a block at a time, none kept: for
// comparing a file with a copy held elsewhere without a second copy in
// memory. Stops early, returning false, when take returns false; throws
// as ReadDictionaryBytes does.
bool ReadDictionaryInBlocks(const std::string& path,
                            const std::function<bool(std::string_view)>& take);

// Calls emit(find_parts, replace_parts) for the one or two replacements a
// line makes in `mode`, in the order they are made; each side is the
// concatenation of its parts. The one place that says what the modes mean.
template <typename Emit>
void EmitReplacements(const DictionaryEntry& entry, DictMode mode, Emit&& emit) {
  switch (mode) {
    case DictMode::Substring:
      emit({entry.key}, {entry.value});
      return;
    case DictMode::Noun:
      emit({" ", entry.key, " "}, {" ", entry.value, " "});
      emit({" ", entry.key, "s "}, {" ", entry.value, " "});
      return;
    case DictMode::Word:
      emit({" ", entry.key, " "}, {" ", entry.value, " "});
      return;
  }
}

// The same replacements as strings.
struct DictionaryReplacement {
  std::string find;
  std::string replace;
};
std::vector<DictionaryReplacement> ReplacementsFor(const DictionaryEntry& entry, DictMode mode);

}  // namespace mikawase

#endif  // MIKAWASE_DICTIONARY_FILE_H_
