#include "personal_words.h"

#include <filesystem>
#include <random>
#include <system_error>

#include "mikawase/app_folder.h"
#include "mikawase/dictionary_check.h"
#include "mikawase/personal_dictionary.h"
#include "mikawase/translate.h"

namespace mikawase::model {

namespace {

// clang-format off
constexpr WordKind kWordKinds[] = {
    {"noun",      "noun.txt",      MIKAWASE_TEXT("PersonalWords", "Noun")},
    {"adjective", "adjective.txt", MIKAWASE_TEXT("PersonalWords", "Other word")},
    {"rome",      "rome.txt",      MIKAWASE_TEXT("PersonalWords", "Spelling")},
};
// clang-format on

// The engine's paths are UTF-8 on every platform; std::filesystem takes
// them as such only from a u8string.
std::filesystem::path PathOf(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const std::filesystem::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

bool IsWordByte(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         c == '\'' || c == '-';
}

std::string Lowercase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// A scratch folder of its own, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    std::random_device random;
    for (int attempt = 0; attempt < 16 && path_.empty(); ++attempt) {
      std::filesystem::path candidate =
          base / ("mikawase-preview-" + std::to_string(random()) + std::to_string(random()));
      if (std::filesystem::create_directory(candidate, error)) path_ = candidate;
    }
  }
  ~ScratchFolder() {
    std::error_code error;
    if (!path_.empty()) std::filesystem::remove_all(path_, error);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

void ReplaceAll(std::string* text, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  for (std::size_t at = text->find(from); at != std::string::npos;
       at = text->find(from, at + to.size())) {
    text->replace(at, from.size(), to);
  }
}

constexpr Text kUnknownProblem = MIKAWASE_TEXT("Problems", "There is a problem: %1");
constexpr Text kErrorLabel = MIKAWASE_TEXT("Problems", "error");
constexpr Text kWarningLabel = MIKAWASE_TEXT("Problems", "warning");
constexpr Text kCheckSummary =
    MIKAWASE_TEXT("Problems", "checked %1 dictionary files: %2 errors, %3 warnings");
constexpr Text kNoPersonalFolder = MIKAWASE_TEXT(
    "Problems",
    "cannot tell where your personal dictionaries go: neither XDG_DATA_HOME nor HOME is set");

struct KnownProblem {
  const char* english_part;  // a part of the engine's English that only this problem has
  Text words;
  bool keep_english;         // the English names a file, line or character worth keeping
};

// clang-format off
constexpr KnownProblem kKnownProblems[] = {
    {"a tab or a line break would break the line apart",
     MIKAWASE_TEXT("Problems", "A tab or a line break in the English or the Japanese would break the dictionary's line apart."), false},
    {"the key is blank", MIKAWASE_TEXT("Problems", "The English is blank."), false},
    {"the value is empty",
     MIKAWASE_TEXT("Problems", "The Japanese is empty: the word would vanish from every text. To take out a word you added, remove it in My words."), false},
    {"the key starts with a space",
     MIKAWASE_TEXT("Problems", "The English starts with a space, so it matches no word: take the space out."), false},
    {"a key holds at most 15", MIKAWASE_TEXT("Problems", "The English is too long: 15 characters at most."), false},
    {"the key has capital letters",
     MIKAWASE_TEXT("Problems", "The English has capital letters. The text is all lowercase when this dictionary applies: write it in lowercase."), false},
    {"has no form in Shift_JIS", MIKAWASE_TEXT("Problems", "The Japanese has a character that Shift_JIS (CP932) cannot write."), true},
    {"the file has errors already",
     MIKAWASE_TEXT("Problems", "This dictionary file has errors already, so it was left untouched: mend them first (Check the dictionaries lists them)."), true},
    {"there is no entry for", MIKAWASE_TEXT("Problems", "That word is not among your words."), false},
    {"has the same key", MIKAWASE_TEXT("Problems", "An earlier line takes the same English first, so this line never acts."), true},
    {"as its plural", MIKAWASE_TEXT("Problems", "An earlier line takes this word first as its plural, so this line never acts."), true},
    {"runs before this file and takes that text first",
     MIKAWASE_TEXT("Problems", "A built-in rule takes that text first, so this line never acts."), true},
    {"the value holds lowercase Latin letters",
     MIKAWASE_TEXT("Problems", "The Japanese has lowercase Latin letters, which the spelling rules turn into katakana: write them in capitals or full width."), false},
    {"cannot create the folder", MIKAWASE_TEXT("Problems", "The folder of your dictionaries cannot be made."), true},
};
// clang-format on

}  // namespace

std::span<const WordKind> WordKinds() { return kWordKinds; }

std::string OfferedKey(std::string_view text, std::size_t cursor, std::string_view selection) {
  std::size_t first = selection.find_first_not_of(" \t\r\n");
  if (first != std::string_view::npos) {
    std::size_t last = selection.find_last_not_of(" \t\r\n");
    return Lowercase(selection.substr(first, last - first + 1));
  }
  cursor = std::min(cursor, text.size());
  std::size_t start = cursor, end = cursor;
  while (start > 0 && IsWordByte(text[start - 1])) --start;
  while (end < text.size() && IsWordByte(text[end])) ++end;
  // Apostrophes and hyphens belong inside a word, not around it.
  while (start < end && (text[start] == '\'' || text[start] == '-')) ++start;
  while (end > start && (text[end - 1] == '\'' || text[end - 1] == '-')) --end;
  return Lowercase(text.substr(start, end - start));
}

EntryPreview PreviewEntry(std::string_view sentence, const DictionaryFolders& folders,
                          std::string_view file_name, std::string_view key,
                          std::string_view value) {
  EntryPreview preview;
  ScratchFolder scratch;
  if (scratch.path().empty()) {
    preview.refusal = "cannot create the folder for a preview in the temporary folder";
    return preview;
  }
  std::string scratch_folder = WithTrailingSeparator(Utf8Of(scratch.path()));
  std::error_code error;
  for (const WordKind& kind : kWordKinds) {
    if (folders.personal.empty()) break;
    std::filesystem::path own = PathOf(folders.personal + kind.file_name);
    if (std::filesystem::exists(own, error)) {
      std::filesystem::copy_file(own, scratch.path() / kind.file_name, error);
    }
  }
  AddedEntry added = AddPersonalEntry(scratch_folder, file_name, key, value);
  // Said of the user's file, not of its copy.
  ReplaceAll(&added.refusal, scratch_folder, folders.personal);
  if (!added.refusal.empty()) {
    preview.refusal = added.refusal;
    return preview;
  }
  DictionaryFolders with_entry{folders.shipped, scratch_folder};
  for (const DictionaryFinding& finding : CheckDictionaries(with_entry)) {
    if (finding.file == added.path && finding.line == added.line) {
      preview.warnings.push_back(finding.message);
    }
  }
  try {
    // The literal engine: a preview compiles nothing and leaves nothing in
    // the cache of compiled dictionaries.
    preview.rendering = TranslateWithDictionaries(sentence, with_entry, Engine::kLiteral);
  } catch (const TranslationError& failure) {
    std::string message = failure.what();
    ReplaceAll(&message, scratch_folder, folders.personal);
    preview.warnings.push_back(message);
  }
  return preview;
}

AddWordView ViewOfEntry(std::string_view sentence, const DictionaryFolders& folders,
                        std::string_view file_name, std::string_view key, std::string_view value,
                        bool value_was_written, const Translate& translate) {
  AddWordView view;
  if (key.empty() || value.empty()) {
    if (!key.empty() && value_was_written) {
      view.problems = SayProblem("the value is empty", translate);
    }
    return view;
  }
  EntryPreview preview =
      PreviewEntry(sentence.empty() ? key : sentence, folders, file_name, key, value);
  if (!preview.refusal.empty()) {
    view.problems = SayProblem(preview.refusal, translate);
    return view;
  }
  view.preview = preview.rendering;
  for (const std::string& warning : preview.warnings) {
    if (!view.problems.empty()) view.problems += "\n";
    view.problems += SayProblem(warning, translate);
  }
  view.can_save = true;
  return view;
}

std::string KindOfFile(std::string_view file_name, const Translate& translate) {
  for (const WordKind& kind : kWordKinds) {
    if (file_name == kind.file_name) return translate(kind.words);
  }
  return std::string(file_name);
}

std::string NotesOnEntries(std::size_t entries, const std::vector<std::string>& failures,
                           const Translate& translate) {
  std::string notes;
  if (entries == 0 && failures.empty()) notes = translate(kNoWordsYet);
  if (!failures.empty()) notes = translate(kBadLines);
  for (const std::string& failure : failures) notes += "\n" + failure;
  return notes;
}

std::string SayProblem(const std::string& english, const Translate& translate) {
  std::string said;
  for (const KnownProblem& known : kKnownProblems) {
    if (english.find(known.english_part) == std::string::npos) continue;
    if (!Translated(translate, known.words, &said)) return english;
    return known.keep_english ? said + "\n(" + english + ")" : said;
  }
  if (!Translated(translate, kUnknownProblem, &said)) return english;
  return Fill(said, {english});
}

std::string CheckReport(const DictionaryFolders& folders, const Translate& translate) {
  std::string error_label = translate(kErrorLabel), warning_label = translate(kWarningLabel);
  std::string report;
  std::size_t errors = 0, warnings = 0;
  for (const DictionaryFinding& finding : CheckDictionaries(folders)) {
    bool error = finding.severity == DictionaryFinding::Severity::kError;
    (error ? errors : warnings) += 1;
    report += finding.file;
    if (finding.line != 0) report += ":" + std::to_string(finding.line);
    report += ": " + (error ? error_label : warning_label) + ": ";
    report += SayProblem(finding.message, translate) + "\n";
  }
  return report +
         Fill(translate(kCheckSummary), {std::to_string(CountDictionaryFiles(folders)),
                                         std::to_string(errors), std::to_string(warnings)});
}

std::string MakePersonalFolder(const DictionaryFolders& folders, const Translate& translate) {
  if (folders.personal.empty()) return translate(kNoPersonalFolder);
  std::error_code error;
  std::filesystem::create_directories(PathOf(folders.personal), error);
  if (!error) return "";
  return SayProblem("cannot create the folder " + folders.personal + ": " + error.message(),
                    translate);
}

}  // namespace mikawase::model
