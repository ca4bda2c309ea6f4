#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>
#include <vector>

#include "dictionary/dictionary_file.h"
#include "mikawase/personal_dictionary.h"
#include "platform/cp932.h"
#include "platform/file_replacement.h"
#include "rules/pipeline.h"
#include "util/utf8.h"
#include "util/utf8_path.h"

namespace mikawase {

namespace {

// Why `key` and `value` can never make a line that acts, or "".
std::string WhyNot(std::string_view file_name, std::string_view key, std::string_view value) {
  if (key.find_first_of("\t\r\n") != std::string_view::npos ||
      value.find_first_of("\t\r\n") != std::string_view::npos) {
    return "a key or value with a tab or a line break would break the line apart";
  }
  if (key.find_first_not_of(' ') == std::string_view::npos) return "the key is blank";
  // An empty value would not add a word but take it out of every text
  // without a trace; taking a word out is a removal, asked for as one.
  if (value.empty()) {
    return "the value is empty, so the word would vanish from every text; to take your entry "
           "for a word out, remove it instead";
  }
  if (key.front() == ' ') {
    return "the key starts with a space, so it could never match a word; leave the space out";
  }
  if (CountCharacters(key) > kKeyFieldWidth) {
    return "the key has " + std::to_string(CountCharacters(key)) +
           " characters; a key holds at most 15";
  }
  const Stage* stage = DictionaryStageFor(file_name);
  if (stage != nullptr && stage->mode != DictMode::Substring) {
    for (char c : key) {
      if (c >= 'A' && c <= 'Z') {
        return "the key has capital letters, but the text is all lowercase when " +
               std::string(file_name) + " runs; write the key in lowercase";
      }
    }
  }
  return "";
}

// Key and value as one line of the file, in CP932, without its line end.
std::optional<std::string> EncodedLine(std::string_view key, std::string_view value,
                                       std::string* refusal) {
  std::string text(key);
  text.append(kKeyFieldWidth - CountCharacters(key), ' ');
  text += value;
  std::string bytes, missing;
  if (!EncodeCp932(text, &bytes, &missing)) {
    *refusal = "\"" + missing + "\" has no form in Shift_JIS (CP932), which the file is in";
    return std::nullopt;
  }
  return bytes;
}

// Through a temporary file of its own, renamed into place: a reader never
// sees half a file.
bool WriteWhole(const std::filesystem::path& path, const std::string& bytes, std::string* why) {
  std::filesystem::path temporary = PathFromUtf8(UniqueTemporaryPath(Utf8FromPath(path)));
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      *why = "cannot write " + Utf8FromPath(temporary);
      return false;
    }
  }
  if (!ReplaceFileWith(Utf8FromPath(temporary), Utf8FromPath(path), why)) {
    std::error_code error;
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

// The entries and failures of one personal file; a missing file has none.
// Throws TranslationError for a file that cannot be read or is saved whole
// in another encoding.
DictionaryLines ReadPersonalFile(const std::string& path, std::string* bytes) {
  std::error_code error;
  if (!std::filesystem::exists(PathFromUtf8(path), error)) return {};
  *bytes = ReadDictionaryBytes(path);
  return ParseEveryLine(*bytes, path);
}

// Reads a personal file that is about to be changed. A file with a bad line
// is refused rather than rewritten, so that nothing of it is lost.
bool ReadForChange(const std::string& path, std::string* bytes, DictionaryLines* existing,
                   std::string* refusal) {
  try {
    *existing = ReadPersonalFile(path, bytes);
    if (!existing->failures.empty()) throw existing->failures.front();
  } catch (const TranslationError& failure) {
    *refusal = std::string(failure.what()) +
               "; the file has errors already, so it is left as it is: mend it first "
               "(mikawase-cli --check shows them all)";
    return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> DictionaryFileNamed(std::string_view kind) {
  for (const Stage& stage : kPipeline) {
    if (stage.action == StageAction::kDictionary && stage.name.starts_with(kind) &&
        stage.name.substr(kind.size()) == ".txt") {
      return std::string(stage.name);
    }
  }
  return std::nullopt;
}

AddedEntry AddPersonalEntry(std::string_view folder, std::string_view file_name,
                            std::string_view key, std::string_view value) {
  AddedEntry added;
  added.path = std::string(folder) + std::string(file_name);
  if (FindInvalidUtf8(key) || FindInvalidUtf8(value)) {
    added.refusal = "the key or value is not valid UTF-8";
    return added;
  }
  added.refusal = WhyNot(file_name, key, value);
  if (!added.refusal.empty()) return added;
  std::optional<std::string> line = EncodedLine(key, value, &added.refusal);
  if (!line) return added;

  std::error_code error;
  std::filesystem::path path = PathFromUtf8(added.path);
  std::filesystem::create_directories(path.parent_path(), error);
  if (error) {
    added.refusal = "cannot create the folder " + Utf8FromPath(path.parent_path()) + ": " +
                    error.message();
    return added;
  }
  // Held from reading the file to replacing it, so that two programs adding
  // at once (the window and a script) each add to what the other wrote.
  std::unique_ptr<FileLock> lock = FileLock::Acquire(added.path + ".lock", &added.refusal);
  if (!lock) return added;
  std::string bytes;
  DictionaryLines existing;
  if (!ReadForChange(added.path, &bytes, &existing, &added.refusal)) return added;
  // With their line ends, so that every other line is written back byte
  // for byte.
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(bytes, LineEnds::kKept)) lines.emplace_back(line);
  std::string wanted_key(key);
  while (wanted_key.ends_with(' ')) wanted_key.pop_back();
  for (const DictionaryEntry& entry : existing.entries) {
    if (entry.key != wanted_key || entry.line > lines.size()) continue;
    std::string& old = lines[entry.line - 1];
    std::size_t end = old.find_first_of("\r\n");
    old = *line + (end == std::string::npos ? std::string("\r\n") : old.substr(end));
    added.line = entry.line;
    added.replaced = true;
    break;
  }
  if (!added.replaced) {
    // A last line without its line end gets one before the new line.
    if (!lines.empty() && !lines.back().ends_with('\n') && !lines.back().ends_with('\r')) {
      lines.back() += "\r\n";
    }
    lines.push_back(*line + "\r\n");
    added.line = lines.size();
  }
  std::string written;
  for (const std::string& one : lines) written += one;
  if (!WriteWhole(path, written, &added.refusal)) added.line = 0;
  return added;
}

PersonalEntries ListPersonalEntries(std::string_view folder) {
  PersonalEntries listed;
  for (std::string_view file_name : kDictionaryFiles) {
    std::string path = std::string(folder) + std::string(file_name);
    std::string bytes;
    DictionaryLines lines;
    try {
      lines = ReadPersonalFile(path, &bytes);
    } catch (const TranslationError& failure) {
      listed.failures.push_back(failure);
      continue;
    }
    for (DictionaryEntry& entry : lines.entries) {
      listed.entries.push_back({std::string(file_name), path, entry.line, std::move(entry.key),
                                std::move(entry.value)});
    }
    for (TranslationError& failure : lines.failures) listed.failures.push_back(std::move(failure));
  }
  return listed;
}

RemovedEntry RemovePersonalEntry(std::string_view folder, std::string_view file_name,
                                 std::string_view key) {
  RemovedEntry removed;
  removed.path = std::string(folder) + std::string(file_name);
  std::string wanted_key(key);
  while (wanted_key.ends_with(' ')) wanted_key.pop_back();
  // The same turn-taking as adding: a removal between another writer's read
  // and rename would otherwise be undone by it. No folder means no entry.
  std::unique_ptr<FileLock> lock;
  std::error_code error;
  if (std::filesystem::is_directory(PathFromUtf8(std::string(folder)), error)) {
    lock = FileLock::Acquire(removed.path + ".lock", &removed.refusal);
    if (!lock) return removed;
  }
  std::string bytes;
  DictionaryLines existing;
  if (!ReadForChange(removed.path, &bytes, &existing, &removed.refusal)) return removed;
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(bytes, LineEnds::kKept)) lines.emplace_back(line);
  // Every line with the key goes, so that no older copy takes its place;
  // the rest stays byte for byte.
  std::vector<bool> dropped(lines.size(), false);
  for (const DictionaryEntry& entry : existing.entries) {
    if (entry.key != wanted_key || entry.line > lines.size()) continue;
    dropped[entry.line - 1] = true;
    if (removed.line == 0) removed.line = entry.line;
    ++removed.count;
  }
  if (removed.count == 0) {
    removed.refusal = "there is no entry for \"" + wanted_key + "\" in it";
    return removed;
  }
  std::string written;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!dropped[i]) written += lines[i];
  }
  if (!WriteWhole(PathFromUtf8(removed.path), written, &removed.refusal)) {
    removed.line = 0;
    removed.count = 0;
  }
  return removed;
}

}  // namespace mikawase
