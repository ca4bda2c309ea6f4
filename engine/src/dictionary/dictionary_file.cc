#include "dictionary/dictionary_file.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <thread>

#include "platform/cp932.h"
#include "platform/file_replacement.h"
#include "util/utf8.h"
#include "util/utf8_path.h"

namespace mikawase {

namespace {

// Every encoding message ends with what to do about it.
constexpr std::string_view kSaveUtf8AsCp932 =
    "; save it as Shift_JIS (CP932), for instance with iconv -f UTF-8 -t CP932";
constexpr std::string_view kSaveUtf16AsCp932 =
    "; save it as Shift_JIS (CP932), for instance with iconv -f UTF-16 -t CP932";

std::string HexBytes(std::string_view bytes) {
  std::string hex;
  for (unsigned char byte : bytes) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%s0x%02X", hex.empty() ? "" : " ", byte);
    hex += buffer;
  }
  return hex;
}

// Whether a line that is valid UTF-8 is a sign that its file was saved as
// UTF-8. Old Shift_JIS dictionaries are full of halfwidth katakana, and an
// even run of them whose bytes pair as C2-DF then A1-BF is also valid UTF-8
// of Latin-1 letters (ﾃｽ, C3 BD, reads as ý). So a line that CP932 reads
// and whose UTF-8 reading holds no Japanese is no such sign; Japanese saved
// as UTF-8 always holds some.
bool Utf8SignInLine(std::string_view raw) {
  if (!HasNonAscii(raw)) return false;
  if (ClassifyUtf8Japanese(raw) != Utf8Japanese::kNone) return true;
  std::string as_cp932;
  return !DecodeCp932(raw, &as_cp932);
}

// A file saved as UTF-8 or UTF-16 is the commonest mistake, and UTF-8
// Japanese often decodes as valid CP932, turning every value into mojibake
// without a word. CP932 text with kanji is practically never valid UTF-8, so
// a file that is valid UTF-8 throughout is taken for UTF-8 at its first line
// that is a sign of it.
void RejectWrongEncoding(std::string_view bytes, const std::string& path) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    throw TranslationError(ErrorKind::kLooksLikeUtf16, path, 1,
                           "the file looks like UTF-16 (it starts with a UTF-16 byte-order mark)" +
                               std::string(kSaveUtf16AsCp932));
  }
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    throw TranslationError(ErrorKind::kLooksLikeUtf8, path, 1,
                           "the file looks like UTF-8 (it starts with a UTF-8 byte-order mark)" +
                               std::string(kSaveUtf8AsCp932));
  }
  if (!HasNonAscii(bytes) || FindInvalidUtf8(bytes).has_value()) return;
  std::size_t line = 0;
  for (std::string_view raw : SplitLines(bytes)) {
    ++line;
    if (!Utf8SignInLine(raw)) continue;
    throw TranslationError(ErrorKind::kLooksLikeUtf8, path, line,
                           "the file looks like UTF-8, not Shift_JIS: this line is valid UTF-8 "
                           "with non-ASCII characters" +
                               std::string(kSaveUtf8AsCp932));
  }
}

// Whether a line of raw bytes was saved as UTF-8. Shift_JIS with kana or
// common kanji is never valid UTF-8, but a word of rarer kanji can be:
// 髀臼 is E9 8F 89 50, which UTF-8 reads as 鏉P. Such words read as noise
// in UTF-8 (a "kanji" glued to a Latin letter, or beside characters of
// other scripts), while kanji saved as UTF-8 read as noise in Shift_JIS
// (猫 is E7 8C AB, which Shift_JIS reads as 醫ｫ). Of the 267,000 EDICT
// headwords, 4 in Shift_JIS pass for UTF-8 and 81 in UTF-8 pass for
// Shift_JIS.
bool LooksLikeUtf8Line(std::string_view raw) {
  switch (ClassifyUtf8Japanese(raw)) {
    case Utf8Japanese::kNone:
      return false;
    case Utf8Japanese::kKanaOrSymbols:
    case Utf8Japanese::kKanjiApart:
      return true;
    case Utf8Japanese::kKanjiAmongOthers:
      break;
  }
  std::string as_cp932;
  return !DecodeCp932(raw, &as_cp932) || HasHalfwidthKatakana(as_cp932);
}

bool HasUtf8Line(std::string_view bytes) {
  for (std::string_view line : SplitLines(bytes)) {
    if (LooksLikeUtf8Line(line)) return true;
  }
  return false;
}

// Splits one decoded line into key and value, or says what is wrong with it.
std::optional<TranslationError> SplitEntry(std::string_view text, std::size_t line,
                                           const std::string& path, DictionaryEntry* entry) {
  std::size_t length = CountCharacters(text);
  if (length < kKeyFieldWidth) {
    std::string problem =
        length == 0 ? "the line is empty" : "the line is " + std::to_string(length) +
                                                " characters long";
    problem +=
        "; every line needs at least 15 characters, the key padded with spaces to 15 (an empty "
        "line at the end of the file counts too)";
    return TranslationError(ErrorKind::kShortLine, path, line, problem);
  }
  std::size_t key_end = OffsetAfterCharacters(text, kKeyFieldWidth);
  std::string_view key = text.substr(0, key_end);
  while (key.ends_with(' ')) key.remove_suffix(1);
  entry->key = std::string(key);
  entry->value = std::string(text.substr(key_end));
  entry->line = line;
  return std::nullopt;
}

// One line in UTF-8 among Shift_JIS lines: typically appended from a UTF-8
// terminal (echo ... >> noun.txt). Its bytes may well be valid CP932 too,
// and would then turn into mojibake without a word.
TranslationError Utf8LineError(const std::string& path, std::size_t line) {
  return TranslationError(ErrorKind::kLooksLikeUtf8, path, line,
                          "the line looks like UTF-8, not Shift_JIS: its bytes are valid UTF-8 "
                          "that spells Japanese; was it added from a UTF-8 terminal or editor? "
                          "convert it to Shift_JIS (CP932), for instance with "
                          "iconv -f UTF-8 -t CP932");
}

// Decodes and splits one line, or says what is wrong with it.
std::optional<TranslationError> ParseLine(std::string_view raw, std::size_t line,
                                          const std::string& path, DictionaryEntry* entry) {
  if (std::size_t nul = raw.find('\0'); nul != std::string_view::npos) {
    return TranslationError(ErrorKind::kNulByte, path, line,
                            "the line holds a NUL byte (at byte " + std::to_string(nul + 1) +
                                "); was the file saved as UTF-16?" +
                                std::string(kSaveUtf16AsCp932));
  }
  if (LooksLikeUtf8Line(raw)) return Utf8LineError(path, line);
  std::string text;
  std::string invalid;
  if (!DecodeCp932(raw, &text, &invalid)) {
    return TranslationError(ErrorKind::kInvalidBytes, path, line,
                            "the line holds bytes that are not valid Shift_JIS (CP932): " +
                                HexBytes(invalid) +
                                "; retype the line in an editor set to Shift_JIS, or remove "
                                "those bytes");
  }
  return SplitEntry(text, line, path, entry);
}

// The entries of `text` line by line, up to the first line that fails.
template <typename ParseOne>
DictionaryContents CollectEntries(std::string_view text, const std::string& path,
                                  ParseOne parse_one) {
  DictionaryContents contents;
  contents.path = path;
  std::vector<std::string_view> lines = SplitLines(text);
  contents.entries.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    DictionaryEntry entry;
    if (auto failure = parse_one(lines[i], i + 1, path, &entry)) {
      contents.failure = std::move(failure);
      break;
    }
    contents.entries.push_back(std::move(entry));
  }
  return contents;
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view bytes, LineEnds ends) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (bytes[at] != '\r' && bytes[at] != '\n') continue;
    std::size_t end = at;
    if (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') ++at;
    if (ends == LineEnds::kKept) end = at + 1;
    lines.push_back(bytes.substr(start, end - start));
    start = at + 1;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

DictionaryContents ParseDictionary(std::string_view bytes, const std::string& path) {
  RejectWrongEncoding(bytes, path);
  // The whole file at once, when it decodes cleanly: one call into ICU
  // instead of one a line. CP932 keeps no state from one character to the
  // next, and CR and LF decode to themselves, so the lines of the decoded
  // text are the decoded lines. Otherwise line by line, to name the first
  // line that does not decode.
  std::string text;
  if (bytes.find('\0') == std::string_view::npos && !HasUtf8Line(bytes) &&
      DecodeCp932(bytes, &text, nullptr)) {
    return CollectEntries(text, path, SplitEntry);
  }
  return CollectEntries(bytes, path, ParseLine);
}

DictionaryLines ParseEveryLine(std::string_view bytes, const std::string& path) {
  RejectWrongEncoding(bytes, path);
  DictionaryLines lines;
  std::vector<std::string_view> raw_lines = SplitLines(bytes);
  for (std::size_t i = 0; i < raw_lines.size(); ++i) {
    DictionaryEntry entry;
    if (auto failure = ParseLine(raw_lines[i], i + 1, path, &entry)) {
      lines.failures.push_back(std::move(*failure));
    } else {
      lines.entries.push_back(std::move(entry));
    }
  }
  return lines;
}

namespace {

// The file at `path`, opened for reading, with the errors a translation
// reports when it cannot be; its size as the folder tells it, when known.
std::ifstream OpenDictionaryFile(const std::string& path, std::optional<std::size_t>* size) {
  namespace fs = std::filesystem;
  std::error_code ignored;
  fs::path file = PathFromUtf8(path);
  if (!fs::is_directory(file.parent_path(), ignored)) {
    throw TranslationError(ErrorKind::kMissingFile, path, 0,
                           "the dictionary folder " + Utf8FromPath(file.parent_path()) +
                               " does not exist");
  }
  if (!fs::exists(file, ignored)) {
    throw TranslationError(ErrorKind::kMissingFile, path, 0, "the dictionary file does not exist");
  }
  if (fs::is_directory(file, ignored)) {
    throw TranslationError(ErrorKind::kUnreadable, path, 0, "this is a folder, not a file");
  }
  // A writer (another program adding a word) may be replacing the file
  // this very moment, which on Windows keeps it from opening.
  std::ifstream in;
  for (int attempt = 1;; ++attempt) {
    in.open(file, std::ios::binary);
    if (in || attempt == kReplacementTries || !MayBeBeingReplaced(errno)) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(kReplacementPauseMs));
  }
  if (!in) {
    throw TranslationError(ErrorKind::kUnreadable, path, 0,
                           std::string("cannot open the file: ") + std::strerror(errno));
  }
  std::uintmax_t bytes = fs::file_size(file, ignored);
  if (bytes != static_cast<std::uintmax_t>(-1) && bytes < (std::uintmax_t{1} << 32)) {
    *size = static_cast<std::size_t>(bytes);
  }
  return in;
}

// Hands the rest of `in` to take(block) a block at a time, until take
// returns false; then returns false.
bool ReadInBlocks(std::ifstream& in, const std::string& path,
                  const std::function<bool(std::string_view)>& take) {
  // In blocks: a character at a time through stream iterators cost more
  // than all the decoding.
  char block[64 * 1024];
  while (in.read(block, sizeof block) || in.gcount() > 0) {
    if (!take(std::string_view(block, static_cast<std::size_t>(in.gcount())))) return false;
  }
  if (in.bad()) {
    throw TranslationError(ErrorKind::kUnreadable, path, 0,
                           std::string("cannot read the file: ") + std::strerror(errno));
  }
  return true;
}

}  // namespace

std::string ReadDictionaryBytes(const std::string& path) {
  std::optional<std::size_t> size;
  std::ifstream in = OpenDictionaryFile(path, &size);
  // Room for the whole file first, as it stands now: a string grown block
  // by block copied a 2 MB file several times over, into fresh memory each
  // time.
  std::string bytes;
  if (size) bytes.reserve(*size);
  ReadInBlocks(in, path, [&](std::string_view block) {
    bytes.append(block);
    return true;
  });
  return bytes;
}

bool ReadDictionaryInBlocks(const std::string& path,
                            const std::function<bool(std::string_view)>& take) {
  std::optional<std::size_t> size;
  std::ifstream in = OpenDictionaryFile(path, &size);
  return ReadInBlocks(in, path, take);
}

std::vector<DictionaryReplacement> ReplacementsFor(const DictionaryEntry& entry, DictMode mode) {
  std::vector<DictionaryReplacement> replacements;
  auto join = [](std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (std::string_view part : parts) joined += part;
    return joined;
  };
  EmitReplacements(entry, mode, [&](std::initializer_list<std::string_view> find,
                                    std::initializer_list<std::string_view> replace) {
    replacements.push_back({join(find), join(replace)});
  });
  return replacements;
}

}  // namespace mikawase
