// The dictionary reader alone, on any bytes as one file. A file is either
// refused whole (saved as UTF-8 or UTF-16) or read line by line up to its
// first bad line; every entry read is clean text that the replacements can
// use as it is.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dictionary/dictionary_file.h"
#include "fuzz_case.h"
#include "util/utf8.h"

namespace {

using namespace mikawase;

const std::string kPath = "data/noun.txt";

void CheckEntry(const DictionaryEntry& entry, std::size_t expected_line) {
  if (entry.line != expected_line) fuzz::Fail("entries are not numbered line after line");
  for (const std::string* field : {&entry.key, &entry.value}) {
    if (FindInvalidUtf8(*field)) fuzz::Fail("a field is not valid UTF-8");
    if (field->find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
      fuzz::Fail("a field holds a line end or a NUL byte");
    }
  }
  if (entry.key.ends_with(' ')) fuzz::Fail("a key kept a trailing space");
  if (CountCharacters(entry.key) > kKeyFieldWidth) fuzz::Fail("a key is wider than its field");
}

// The line on its own must read exactly as it did inside the file: nothing
// of one line may leak into the next (the CP932 converter is reused).
void CheckReadsAlone(std::string_view raw_line, const DictionaryEntry& entry) {
  DictionaryContents alone;
  try {
    alone = ParseDictionary(raw_line, kPath);
  } catch (const TranslationError&) {
    return;  // on its own the line may look like UTF-8; the file as a whole did not
  }
  if (alone.failure || alone.entries.size() != 1 || alone.entries[0].key != entry.key ||
      alone.entries[0].value != entry.value) {
    fuzz::Fail("a line reads differently on its own than inside its file");
  }
}

// The line that holds byte `offset`, counted with the reader's line ends.
std::size_t LineOf(std::string_view bytes, std::size_t offset) {
  std::string_view before = bytes.substr(0, offset);
  std::size_t line = 1;
  for (std::size_t at = 0; at < before.size(); ++at) {
    bool crlf = before[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n';
    if (before[at] == '\r' || before[at] == '\n') ++line;
    if (crlf) ++at;
  }
  return line;
}

// A file refused whole is named at the line the user should look at: the
// first line for a byte-order mark, else a line with a byte that is not
// ASCII, which is what made the file look like UTF-8. It need not be the
// first such line: a line of halfwidth katakana that CP932 reads is no sign
// of UTF-8, though its bytes may be valid UTF-8 too.
void CheckRefusal(std::string_view bytes, const TranslationError& error) {
  if (error.kind() != ErrorKind::kLooksLikeUtf8 && error.kind() != ErrorKind::kLooksLikeUtf16) {
    fuzz::Fail("a file was refused whole for a reason that belongs to a line", error.what());
  }
  if (error.file() != kPath) fuzz::Fail("a refused file is not named", error.what());
  bool byte_order_mark = bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
                         bytes.starts_with("\xFE\xFF");
  std::size_t first_high = 0;
  while (first_high < bytes.size() && static_cast<unsigned char>(bytes[first_high]) < 0x80) {
    ++first_high;
  }
  if (first_high == bytes.size()) fuzz::Fail("an ASCII file was refused", error.what());
  if (byte_order_mark) {
    if (error.line() != 1) fuzz::Fail("a byte-order mark is named past line 1", error.what());
    return;
  }
  std::size_t first = LineOf(bytes, first_high);
  bool named_line_is_not_ascii = false;
  for (std::size_t at = first_high; at < bytes.size(); ++at) {
    if (static_cast<unsigned char>(bytes[at]) >= 0x80 && LineOf(bytes, at) == error.line()) {
      named_line_is_not_ascii = true;
      break;
    }
  }
  if (error.line() < first || !named_line_is_not_ascii) {
    fuzz::Fail("a refused file is named at a line of ASCII alone",
               std::string(error.what()) + " (the first line that is not ASCII is " +
                   std::to_string(first) + ")");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  DictionaryContents contents;
  try {
    contents = ParseDictionary(bytes, kPath);
  } catch (const TranslationError& error) {
    CheckRefusal(bytes, error);
    return 0;
  }
  if (contents.path != kPath) fuzz::Fail("the contents lost their path");

  std::size_t lines = fuzz::CountLines(bytes);
  std::size_t read = contents.entries.size();
  if (contents.failure) {
    const TranslationError& failure = *contents.failure;
    // A single line can look like UTF-8 (appended from a UTF-8 terminal)
    // in a file that as a whole does not.
    if (failure.kind() != ErrorKind::kShortLine && failure.kind() != ErrorKind::kInvalidBytes &&
        failure.kind() != ErrorKind::kNulByte && failure.kind() != ErrorKind::kLooksLikeUtf8) {
      fuzz::Fail("a line failed for a reason that belongs to the whole file", failure.what());
    }
    if (failure.file() != kPath || failure.line() != read + 1 || failure.line() > lines) {
      fuzz::Fail("a bad line is not the line after the last one read", failure.what());
    }
  } else if (read != lines) {
    fuzz::Fail("lines were lost without an error",
               std::to_string(read) + " entries from " + std::to_string(lines) + " lines");
  }

  std::size_t line_start = 0;
  for (std::size_t i = 0; i < read; ++i) {
    CheckEntry(contents.entries[i], i + 1);
    std::size_t line_end = bytes.find_first_of("\r\n", line_start);
    std::string_view raw = bytes.substr(line_start, line_end - line_start);
    CheckReadsAlone(raw, contents.entries[i]);
    if (line_end == std::string_view::npos) break;
    line_start = line_end + (bytes.substr(line_end).starts_with("\r\n") ? 2 : 1);
  }
  return 0;
}
