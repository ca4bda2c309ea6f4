#include "mikawase/dictionary_check.h"

#include <algorithm>
#include <map>
#include <utility>

#include "dictionary/dictionary_set.h"
#include "mikawase/translation_error.h"
#include "rules/pipeline.h"
#include "util/utf8.h"

namespace mikawase {

namespace {

using Severity = DictionaryFinding::Severity;

// The stages before the first dictionary: the surface rules, which still
// see capitals and punctuation, and the tables after lowercasing.
constexpr std::size_t FirstDictionaryStage() {
  for (std::size_t i = 0; i < std::size(kPipeline); ++i) {
    if (kPipeline[i].action == StageAction::kDictionary) return i;
  }
  return std::size(kPipeline);
}
constexpr std::size_t LowercasingStage() {
  for (std::size_t i = 0; i < std::size(kPipeline); ++i) {
    if (kPipeline[i].action == StageAction::kLowercasing) return i;
  }
  return std::size(kPipeline);
}

bool HasAsciiCapital(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// A surface rule, before lowercasing, that spaces out, replaces or expands
// what it finds (".", "n't"), so that a key that holds it never matches.
// Rules for capitals are left to the warning about capitals, and those for
// runs of white space to the line format; a rule that keeps what it finds
// (a mark spaced out but kept) still lets a key match it as a word.
bool TakesAwayBeforeDictionaries(const ReplacementRule& rule) {
  if (HasAsciiCapital(rule.find)) return false;
  if (rule.find.find_first_not_of(" \r\n") == std::string_view::npos) return false;
  return rule.replace.find(rule.find) == std::string_view::npos;
}

// A surface rule that spaces a mark out and keeps it ("(" → " ( "): when
// the dictionaries run, the mark stands apart as a word of its own.
bool SpacesOut(const ReplacementRule& rule) {
  return rule.replace.size() == rule.find.size() + 2 && rule.replace.front() == ' ' &&
         rule.replace.back() == ' ' && rule.replace.substr(1, rule.find.size()) == rule.find;
}

// Whether `key` holds `mark` with something other than a space or the
// key's end right beside it, where the text never has it.
bool HoldsMarkAgainstSomething(std::string_view key, std::string_view mark) {
  for (std::size_t at = key.find(mark); at != std::string_view::npos;
       at = key.find(mark, at + 1)) {
    std::size_t end = at + mark.size();
    if ((at > 0 && key[at - 1] != ' ') || (end < key.size() && key[end] != ' ')) return true;
  }
  return false;
}

bool IsWholeWordMode(DictMode mode) { return mode != DictMode::Substring; }

// Whether `search` goes on after a word that ends in "s" with anything but
// the plural marker, which stands after every such word when the
// dictionaries run (" does not " is " does ％１０００ not " by then).
bool HasWordEndingInSBeforeMore(std::string_view search) {
  constexpr std::string_view kMarker = "％１０００";
  for (std::size_t at = search.find("s "); at != std::string_view::npos;
       at = search.find("s ", at + 1)) {
    std::string_view after = search.substr(at + 2);
    if (!after.empty() && !after.starts_with(kMarker)) return true;
  }
  return false;
}

// The first replacement a line makes: the one that says whether it can act.
std::string SearchStringOf(const DictionaryEntry& entry, DictMode mode) {
  return ReplacementsFor(entry, mode).front().find;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

class Checker {
 public:
  explicit Checker(std::vector<DictionaryFinding>* findings) : findings_(findings) {}

  // A skipped personal file is no problem.
  void CheckFile(const DictionarySource& source) {
    const std::string& path = source.path;
    DictMode mode = source.mode;
    DictionaryLines lines;
    try {
      std::optional<std::string> bytes = ReadSourceBytes(source);
      if (!bytes) return;
      lines = ParseEveryLine(*bytes, path);
    } catch (const TranslationError& error) {
      // A missing folder would be reported once for each of its files.
      bool same_as_before = !findings_->empty() && findings_->back().line == 0 &&
                            findings_->back().message == error.problem();
      if (!same_as_before) Report(Severity::kError, error.file(), error.line(), error.problem());
      return;
    }
    for (const TranslationError& failure : lines.failures) {
      Report(Severity::kError, failure.file(), failure.line(), failure.problem());
    }
    // Errors and warnings of one file in line order, as an editor lists them.
    std::size_t first_of_file = findings_->size() - lines.failures.size();
    std::map<std::string, std::size_t> first_line_of_key;
    for (const DictionaryEntry& entry : lines.entries) {
      CheckEntry(path, mode, entry, first_line_of_key);
      first_line_of_key.emplace(entry.key, entry.line);
    }
    std::stable_sort(findings_->begin() + static_cast<std::ptrdiff_t>(first_of_file),
                     findings_->end(), [](const DictionaryFinding& a, const DictionaryFinding& b) {
                       return a.line < b.line;
                     });
  }

 private:
  void Report(Severity severity, const std::string& file, std::size_t line,
              std::string message) {
    findings_->push_back({severity, file, line, std::move(message)});
  }

  void Warn(const std::string& path, const DictionaryEntry& entry, std::string message) {
    Report(Severity::kWarning, path, entry.line, std::move(message));
  }

  void CheckEntry(const std::string& path, DictMode mode, const DictionaryEntry& entry,
                  const std::map<std::string, std::size_t>& first_line_of_key) {
    if (CheckKeyField(path, mode, entry)) return;
    if (CheckShadowed(path, mode, entry, first_line_of_key)) return;
    if (CheckNeverInText(path, mode, entry)) return;
    CheckValue(path, mode, entry);
  }

  // The key field as typed: blank, padded with tabs, or too long.
  bool CheckKeyField(const std::string& path, DictMode mode, const DictionaryEntry& entry) {
    if (entry.key.find('\t') != std::string::npos) {
      Warn(path, entry,
           "the key field holds a tab; the key is the first 15 characters, padded with spaces, "
           "so the tab becomes part of the key and the line never matches; pad with spaces");
      return true;
    }
    if (IsWholeWordMode(mode) && entry.key.find_first_not_of(' ') == std::string::npos) {
      Warn(path, entry,
           "the key is blank, so this line replaces a run of two spaces instead of a word; "
           "write the English word in characters 1 to 15");
      return true;
    }
    if (CountCharacters(entry.key) == kKeyFieldWidth && !entry.value.empty() &&
        IsAsciiLetter(entry.value.front())) {
      Warn(path, entry,
           "the key fills all 15 characters and the value starts with a Latin letter: is the "
           "key longer than 15 characters? A key holds at most 15; the rest became part of the "
           "value");
      return true;
    }
    return false;
  }

  // A line with the same key earlier in the file has already taken every
  // occurrence; in the noun file an earlier key also takes its plural.
  bool CheckShadowed(const std::string& path, DictMode mode, const DictionaryEntry& entry,
                     const std::map<std::string, std::size_t>& first_line_of_key) {
    if (auto same = first_line_of_key.find(entry.key); same != first_line_of_key.end()) {
      Warn(path, entry,
           "line " + std::to_string(same->second) + " has the same key " + Quoted(entry.key) +
               " and takes the word first, so this line never acts; keep one of the two");
      return true;
    }
    if (mode == DictMode::Noun && entry.key.ends_with('s')) {
      std::string singular = entry.key.substr(0, entry.key.size() - 1);
      if (auto earlier = first_line_of_key.find(singular); earlier != first_line_of_key.end()) {
        Warn(path, entry,
             "line " + std::to_string(earlier->second) + " (" + Quoted(singular) +
                 ") already takes " + Quoted(entry.key) +
                 " as its plural, so this line never acts; move this line above it");
        return true;
      }
    }
    return false;
  }

  // Text the line looks for that is never there when the file runs.
  bool CheckNeverInText(const std::string& path, DictMode mode, const DictionaryEntry& entry) {
    if (IsWholeWordMode(mode) && HasAsciiCapital(entry.key)) {
      Warn(path, entry,
           "the key has capital letters, but the text is all lowercase when this file runs; "
           "write the key in lowercase");
      return true;
    }
    for (std::size_t i = 0; i < LowercasingStage(); ++i) {
      for (const ReplacementRule& rule : kPipeline[i].table) {
        if (!TakesAwayBeforeDictionaries(rule) || entry.key.find(rule.find) == std::string::npos) {
          continue;
        }
        Warn(path, entry,
             "the key holds " + Quoted(rule.find) + ", which the text never holds when this "
                 "file runs (it has become " + Quoted(rule.replace) + "); leave it out of the key");
        return true;
      }
      for (const ReplacementRule& rule : kPipeline[i].table) {
        if (!SpacesOut(rule) || !HoldsMarkAgainstSomething(entry.key, rule.find)) continue;
        Warn(path, entry,
             "the key has " + Quoted(rule.find) + " against another character, but when this "
                 "file runs the text has a space on each side of it; leave it out of the key, "
                 "or put spaces around it");
        return true;
      }
    }
    std::string search = SearchStringOf(entry, mode);
    for (std::size_t i = LowercasingStage() + 1; i < FirstDictionaryStage(); ++i) {
      for (const ReplacementRule& rule : kPipeline[i].table) {
        // The plural marker is put after a word, not into one: it is the
        // case below.
        if (rule.find == "s " || search.find(rule.find) == std::string::npos) continue;
        Warn(path, entry,
             "the built-in rule " + Quoted(rule.find) + " → " + Quoted(rule.replace) +
                 " runs before this file and takes that text first, so this line never "
                 "matches; use a key without " + Quoted(rule.find));
        return true;
      }
    }
    // Every word that ends in "s" has the plural marker after it by now, so
    // a key that goes on after such a word never matches.
    if (HasWordEndingInSBeforeMore(search)) {
      Warn(path, entry,
           "a word of the key ends in \"s\" and is followed by more, but by the time this file "
           "runs a plural marker stands after every word that ends in \"s\", so the key never "
           "matches; use a key whose inner words do not end in \"s\"");
      return true;
    }
    return false;
  }

  void CheckValue(const std::string& path, DictMode mode, const DictionaryEntry& entry) {
    if (!IsWholeWordMode(mode)) return;
    if (std::none_of(entry.value.begin(), entry.value.end(),
                     [](char c) { return c >= 'a' && c <= 'z'; })) {
      return;
    }
    Warn(path, entry,
         "the value holds lowercase Latin letters, which the spelling rules and rome.txt will "
         "turn into katakana; write them in capitals or in fullwidth letters");
  }

  static bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

  std::vector<DictionaryFinding>* findings_;
};

}  // namespace

std::vector<DictionaryFinding> CheckDictionaries(const DictionaryFolders& folders) {
  std::vector<DictionaryFinding> findings;
  Checker checker(&findings);
  for (const DictionarySource& source : ResolveDictionarySet(folders)) checker.CheckFile(source);
  return findings;
}

std::vector<DictionaryFinding> CheckDictionaries(std::string_view data_folder) {
  return CheckDictionaries(DictionaryFolders{std::string(data_folder), ""});
}

std::size_t CountDictionaryFiles(const DictionaryFolders& folders) {
  std::vector<DictionarySource> set = ResolveDictionarySet(folders);
  return static_cast<std::size_t>(
      std::count_if(set.begin(), set.end(), [](const auto& source) { return !IsSkipped(source); }));
}

}  // namespace mikawase
