#include "fast_engine.h"

#include <array>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "literal_engine.h"
#include "lowercase.h"
#include "mikawase/translate.h"
#include "rule_program.h"
#include "rule_tables.h"

namespace mikawase {

namespace {

void Append(RuleTable table, std::vector<Rule>* rules) {
  for (const ReplacementRule& rule : table) {
    rules->push_back({std::string(rule.find), std::string(rule.replace)});
  }
}

// The rules before the line-break rules: protected terms, capitalised
// names, punctuation.
const RuleProgram& BeforeLineBreaks() {
  static const RuleProgram program([] {
    std::vector<Rule> rules;
    Append(ProtectedTermsTable(), &rules);
    Append(CapitalisedNamesTable(), &rules);
    Append(PunctuationTable(), &rules);
    return rules;
  }());
  return program;
}

// The rules between the line-break rules and lowercasing.
const RuleProgram& AfterLineBreaks() {
  static const RuleProgram program([] {
    std::vector<Rule> rules;
    Append(ContractionsTable(), &rules);
    Append(SpaceCollapseTable(), &rules);
    return rules;
  }());
  return program;
}

// Everything after lowercasing as one program, the dictionaries' lines in
// their places. When a dictionary fails, the program stops where the
// literal engine would, and the failure waits to be raised once the rules
// before it have run (they may still run away, which would be reported
// first).
struct CompiledDictionaries {
  std::unique_ptr<RuleProgram> program;
  std::optional<TranslationError> failure;
};

CompiledDictionaries Compile(const DictionaryLoader& load) {
  CompiledDictionaries compiled;
  std::vector<Rule> rules;
  auto add_dictionary = [&](std::string_view name, DictMode mode) {
    DictionaryContents contents;
    try {
      contents = load(name);
    } catch (const TranslationError& error) {
      compiled.failure = error;
      return false;
    }
    for (const DictionaryEntry& entry : contents.entries) {
      for (DictionaryReplacement& replacement : ReplacementsFor(entry, mode)) {
        rules.push_back({std::move(replacement.find), std::move(replacement.replace)});
      }
    }
    compiled.failure = std::move(contents.failure);
    return !compiled.failure;
  };
  Append(PhraseTable(), &rules);
  Append(JoinersAndPluralMarkingTable(), &rules);
  if (add_dictionary("noun.txt", DictMode::Noun) &&
      add_dictionary("adjective.txt", DictMode::Word)) {
    Append(WordTable(), &rules);
    Append(SpellingTable(), &rules);
    if (add_dictionary("rome.txt", DictMode::Substring)) {
      Append(MarkerRemovalTable(), &rules);
      Append(LetterCodeTable(), &rules);
      Append(SpaceRemovalTable(), &rules);
    }
  }
  compiled.program = std::make_unique<RuleProgram>(std::move(rules));
  return compiled;
}

// Runs `program` over `text` split at the bytes no rule's pattern holds:
// such a byte is never matched nor spanned, so each side can be run alone.
// English sentences end in "。", whose bytes no shipped pattern holds, so a
// long line falls apart into sentences and no rewrite copies more than one.
bool RunInSeparatePieces(const RuleProgram& program, std::string& text, std::size_t limit,
                         std::size_t* peak) {
  std::string result;
  std::size_t peak_sum = 0;
  std::size_t begin = 0;
  std::string piece;
  for (std::size_t at = 0; at <= text.size(); ++at) {
    if (at < text.size() && program.InSomePattern(static_cast<unsigned char>(text[at]))) continue;
    piece.assign(text, begin, at - begin);
    std::size_t piece_peak = 0;
    if (!program.Run(piece, limit, &piece_peak)) return false;
    peak_sum += piece_peak + (at < text.size() ? 1 : 0);
    if (peak_sum > limit) return false;
    result += piece;
    if (at < text.size()) result += text[at];
    begin = at + 1;
  }
  text.swap(result);
  *peak = std::max(*peak, peak_sum);
  return true;
}

// One piece between CRs, from the input to the end of the pipeline. The
// first piece carries the space that wraps the input on the left, the last
// the one on the right. Returns false when the literal engine must decide.
bool TranslatePiece(std::string& text, bool follows_cr, bool before_cr, bool cr_before_lf,
                    const RuleProgram& after_lowercasing, std::size_t limit, std::size_t* peak) {
  if (!BeforeLineBreaks().Run(text, limit, peak)) return false;
  // The line-break rules: a CR LF pair becomes two spaces, CR, space, LF,
  // space; a lone CR becomes space, CR, space. No earlier rule can touch the
  // LF that starts a piece, since no pattern holds an LF.
  if (follows_cr) {
    if (!text.empty() && text[0] == '\n') {
      text.replace(0, 1, " \n ");
    } else {
      text.insert(0, " ");
    }
  }
  if (before_cr) text += cr_before_lf ? "  " : " ";
  if (text.size() > limit) return false;
  *peak = std::max(*peak, text.size());
  if (!AfterLineBreaks().Run(text, limit, peak)) return false;
  text = LowercaseUtf8(text);
  if (text.size() > limit) return false;
  *peak = std::max(*peak, text.size());
  return RunInSeparatePieces(after_lowercasing, text, limit, peak);
}

// The whole input, piece by piece; nullopt when the literal engine must
// decide.
std::optional<std::string> TranslateInPieces(std::string_view input,
                                             const RuleProgram& after_lowercasing) {
  std::size_t limit = GrowthLimit(input.size());
  std::vector<std::string_view> pieces;
  for (std::size_t begin = 0;;) {
    std::size_t cr = input.find('\r', begin);
    pieces.push_back(input.substr(begin, (cr == std::string_view::npos ? input.size() : cr) - begin));
    if (cr == std::string_view::npos) break;
    begin = cr + 1;
  }
  std::string output;
  output.reserve(input.size() * 2);
  std::size_t total_peak = pieces.size() - 1;  // the CRs
  std::string text;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    bool first = i == 0, last = i + 1 == pieces.size();
    text.clear();
    if (first) text += ' ';
    text += pieces[i];
    if (last) text += ' ';
    bool cr_before_lf = !last && !pieces[i + 1].empty() && pieces[i + 1][0] == '\n';
    std::size_t peak = 0;
    if (!TranslatePiece(text, !first, !last, cr_before_lf, after_lowercasing, limit, &peak)) {
      return std::nullopt;
    }
    total_peak += peak;
    if (total_peak > limit) return std::nullopt;
    output += text;
    if (!last) output += '\r';
  }
  return output;
}

std::string TranslateCompiled(std::string_view input, const CompiledDictionaries& compiled,
                              const DictionaryLoader& load) {
  std::optional<std::string> output = TranslateInPieces(input, *compiled.program);
  if (!output) return TranslateLiterally(input, load);
  if (compiled.failure) throw *compiled.failure;
  return std::move(*output);
}

}  // namespace

std::string TranslateFast(std::string_view input, const DictionaryLoader& load) {
  return TranslateCompiled(input, Compile(load), load);
}

std::string TranslateFastFromFolder(std::string_view input, std::string_view data_folder) {
  // The files are read at every call, as the window promises; only their
  // compilation is kept, for as long as their bytes stay the same.
  static constexpr std::array<std::string_view, 3> kNames = {"noun.txt", "adjective.txt",
                                                             "rome.txt"};
  struct Cache {
    std::mutex mutex;
    std::string folder;
    std::array<std::string, 3> bytes;
    std::shared_ptr<const CompiledDictionaries> compiled;
  };
  static Cache cache;

  std::string folder(data_folder);
  std::array<std::string, 3> bytes;
  std::array<std::optional<TranslationError>, 3> read_failure;
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    try {
      bytes[i] = ReadDictionaryBytes(folder + std::string(kNames[i]));
    } catch (const TranslationError& error) {
      read_failure[i] = error;
    }
  }
  DictionaryLoader load = [&](std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
      if (name != kNames[i]) continue;
      if (read_failure[i]) throw *read_failure[i];
      return ParseDictionary(bytes[i], folder + std::string(name));
    }
    return ReadDictionaryFile(folder + std::string(name));
  };
  bool cacheable = !read_failure[0] && !read_failure[1] && !read_failure[2];

  std::shared_ptr<const CompiledDictionaries> compiled;
  {
    std::lock_guard<std::mutex> lock(cache.mutex);
    if (cacheable && cache.compiled && cache.folder == folder && cache.bytes == bytes) {
      compiled = cache.compiled;
    }
  }
  if (!compiled) {
    compiled = std::make_shared<const CompiledDictionaries>(Compile(load));
    if (cacheable) {
      std::lock_guard<std::mutex> lock(cache.mutex);
      cache.folder = folder;
      cache.bytes = bytes;
      cache.compiled = compiled;
    }
  }
  return TranslateCompiled(input, *compiled, load);
}

}  // namespace mikawase
