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
    {"noun",      "noun.txt",      {"Noun",       "名詞"}},
    {"adjective", "adjective.txt", {"Other word", "その他の語"}},
    {"rome",      "rome.txt",      {"Spelling",   "綴り"}},
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

struct KnownProblem {
  const char* english_part;  // a part of the engine's English that only this problem has
  const char* japanese;
  bool keep_english;         // the English names a file, line or character worth keeping
};

// clang-format off
constexpr KnownProblem kKnownProblems[] = {
    {"a tab or a line break would break the line apart",
     "英語や訳にタブや改行があると、辞書の行が壊れてしまいます。", false},
    {"the key is blank", "英語が空です。", false},
    {"the value is empty",
     "訳が空です。このままでは、その語がすべての文から消えてしまいます。"
     "加えた語を取り除くには、加えた語の一覧で削除してください。", false},
    {"the key starts with a space",
     "英語が空白で始まっているため、どの語にも当たりません。空白を除いてください。", false},
    {"a key holds at most 15", "英語が長すぎます。15文字までです。", false},
    {"the key has capital letters",
     "英語に大文字があります。この辞書が使われるときには文はすべて小文字なので、"
     "小文字で書いてください。", false},
    {"has no form in Shift_JIS", "訳に、Shift_JIS (CP932) で書けない文字があります。", true},
    {"the file has errors already",
     "この辞書ファイルにはすでに誤りがあるため、手を付けずにおきました。"
     "先に直してください（「辞書を調べる」で一覧できます）。", true},
    {"there is no entry for", "その語は、加えた語にありません。", false},
    {"has the same key", "前の行が同じ英語を先に取るため、この行は働きません。", true},
    {"as its plural", "前の行がこの語を複数形として先に取るため、この行は働きません。", true},
    {"runs before this file and takes that text first",
     "組み込みの規則が先にその文字列を取るため、この行は働きません。", true},
    {"the value holds lowercase Latin letters",
     "訳に小文字のローマ字があり、綴りの規則でカタカナに書き換えられます。"
     "大文字か全角で書いてください。", false},
    {"cannot create the folder", "個人辞書のフォルダを作れませんでした。", true},
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
                        bool value_was_written, Language language) {
  AddWordView view;
  if (key.empty() || value.empty()) {
    if (!key.empty() && value_was_written) {
      view.problems = SayProblem("the value is empty", language);
    }
    return view;
  }
  EntryPreview preview =
      PreviewEntry(sentence.empty() ? key : sentence, folders, file_name, key, value);
  if (!preview.refusal.empty()) {
    view.problems = SayProblem(preview.refusal, language);
    return view;
  }
  view.preview = preview.rendering;
  for (const std::string& warning : preview.warnings) {
    if (!view.problems.empty()) view.problems += "\n";
    view.problems += SayProblem(warning, language);
  }
  view.can_save = true;
  return view;
}

std::string KindOfFile(std::string_view file_name, Language language) {
  for (const WordKind& kind : kWordKinds) {
    if (file_name == kind.file_name) return Say(kind.words, language);
  }
  return std::string(file_name);
}

std::string NotesOnEntries(std::size_t entries, const std::vector<std::string>& failures,
                           Language language) {
  std::string notes;
  if (entries == 0 && failures.empty()) notes = Say(kNoWordsYet, language);
  if (!failures.empty()) notes = Say(kBadLines, language);
  for (const std::string& failure : failures) notes += "\n" + failure;
  return notes;
}

std::string SayProblem(const std::string& english, Language language) {
  if (language == Language::kEnglish) return english;
  for (const KnownProblem& known : kKnownProblems) {
    if (english.find(known.english_part) == std::string::npos) continue;
    return known.keep_english ? std::string(known.japanese) + "\n(" + english + ")"
                              : known.japanese;
  }
  return "問題があります: " + english;
}

std::string CheckReport(const DictionaryFolders& folders, Language language) {
  bool japanese = language == Language::kJapanese;
  std::string report;
  std::size_t errors = 0, warnings = 0;
  for (const DictionaryFinding& finding : CheckDictionaries(folders)) {
    bool error = finding.severity == DictionaryFinding::Severity::kError;
    (error ? errors : warnings) += 1;
    report += finding.file;
    if (finding.line != 0) report += ":" + std::to_string(finding.line);
    report += japanese ? (error ? ": 誤り: " : ": 注意: ") : (error ? ": error: " : ": warning: ");
    report += SayProblem(finding.message, language) + "\n";
  }
  std::string files = std::to_string(CountDictionaryFiles(folders));
  if (japanese) {
    report += files + " 個の辞書ファイルを調べました。誤り " + std::to_string(errors) +
              " 件、注意 " + std::to_string(warnings) + " 件。";
  } else {
    report += "checked " + files + " dictionary files: " + std::to_string(errors) +
              " errors, " + std::to_string(warnings) + " warnings";
  }
  return report;
}

std::string MakePersonalFolder(const DictionaryFolders& folders, Language language) {
  if (folders.personal.empty()) {
    return language == Language::kJapanese
               ? "個人辞書のフォルダの場所がわかりません（HOME も XDG_DATA_HOME もありません）。"
               : "cannot tell where your personal dictionaries go: neither XDG_DATA_HOME nor "
                 "HOME is set";
  }
  std::error_code error;
  std::filesystem::create_directories(PathOf(folders.personal), error);
  if (!error) return "";
  return SayProblem("cannot create the folder " + folders.personal + ": " + error.message(),
                    language);
}

}  // namespace mikawase::model
