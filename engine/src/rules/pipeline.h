// The pipeline: every stage of a translation, in the order it runs.
//
// This table is the one place that says which stages there are and in what
// order. The literal engine runs it row by row; the fast engine compiles it;
// the compiled-dictionary cache fingerprints it; the dictionary check, the
// dictionary set, the trace and the tests take the stages, their files and
// their names from it. A new stage is a row here and, for a table, its file.
#ifndef MIKAWASE_PIPELINE_H_
#define MIKAWASE_PIPELINE_H_

#include <array>
#include <cstddef>
#include <string_view>

#include "rules/dict_mode.h"
#include "rules/final_space_removal.h"
#include "rules/marker_removal.h"
#include "rules/phrase_table.h"
#include "rules/protected_terms.h"
#include "rules/replacement_rule.h"
#include "rules/spelling_table.h"
#include "rules/surface_normalisation.h"
#include "rules/word_table.h"

namespace mikawase {

// What a stage does to the text.
enum class StageAction {
  kRules,        // its table's rules, each once, in order
  kLowercasing,  // every capital letter becomes small (no rule: a service of the platform)
  kDictionary,   // the lines of a dictionary file, each once, in order
};

// The engine's procedures, each a run of consecutive stages. They are what
// the literal engine is made of, and what its tests run one at a time.
enum class Procedure {
  kEncodeProtectedTerms,
  kNormaliseSurface,
  kApplyPhrasesAndMarkPlurals,
  kApplyDictionaryFile,
  kApplyWordTable,
  kTransliterateSpelling,
  kRemovePluralMarkers,
  kDecodeLetterCodes,
  kRemoveSpaces,
};

// The tag of the lowercasing stage in the table below.
struct Lowercasing {};
inline constexpr Lowercasing kLowercasing;

struct Stage {
  // A built-in table.
  constexpr Stage(std::string_view stage_name, RuleTable rules, Procedure in)
      : name(stage_name), action(StageAction::kRules), table(rules), procedure(in) {}
  // A dictionary file, named by its file name, applied in `how`.
  constexpr Stage(std::string_view file_name, DictMode how, Procedure in)
      : name(file_name), action(StageAction::kDictionary), mode(how), procedure(in) {}
  constexpr Stage(std::string_view stage_name, Lowercasing, Procedure in)
      : name(stage_name), action(StageAction::kLowercasing), procedure(in) {}

  // How the trace and the check name the stage; a dictionary's file name,
  // the same in the shipped folder and in the personal one.
  std::string_view name;
  StageAction action;
  RuleTable table;                  // kRules
  DictMode mode = DictMode::Substring;  // kDictionary
  Procedure procedure;
};

inline constexpr Stage kPipeline[] = {
    // name                          applies               procedure
    {"protected terms",              kProtectedTerms,      Procedure::kEncodeProtectedTerms},
    // Everything that needs capitals or raw punctuation, before lowercasing.
    {"capitalised names",            kCapitalisedNames,    Procedure::kNormaliseSurface},
    {"punctuation",                  kPunctuation,         Procedure::kNormaliseSurface},
    {"curly marks",                  kCurlyMarks,          Procedure::kNormaliseSurface},
    {"quotes and brackets",          kQuotesAndBrackets,   Procedure::kNormaliseSurface},
    {"line breaks",                  kLineBreaks,          Procedure::kNormaliseSurface},
    {"contractions",                 kContractions,        Procedure::kNormaliseSurface},
    {"space collapse",               kSpaceCollapse,       Procedure::kNormaliseSurface},
    {"lowercasing",                  kLowercasing,         Procedure::kNormaliseSurface},
    // From here on every pattern is lowercase.
    {"phrases",                      kPhrases,             Procedure::kApplyPhrasesAndMarkPlurals},
    {"joiners and plural marking",   kJoinersAndPluralMarking,
                                                           Procedure::kApplyPhrasesAndMarkPlurals},
    {"noun.txt",                     DictMode::Noun,       Procedure::kApplyDictionaryFile},
    {"adjective.txt",                DictMode::Word,       Procedure::kApplyDictionaryFile},
    {"words",                        kWords,               Procedure::kApplyWordTable},
    {"spelling",                     kSpelling,            Procedure::kTransliterateSpelling},
    {"rome.txt",                     DictMode::Substring,  Procedure::kTransliterateSpelling},
    {"marker removal",               kMarkerRemoval,       Procedure::kRemovePluralMarkers},
    {"letter codes",                 kLetterCodes,         Procedure::kDecodeLetterCodes},
    {"space removal",                kSpaceRemoval,        Procedure::kRemoveSpaces},
};

// How many stages read a dictionary file.
constexpr std::size_t CountDictionaryStages() {
  std::size_t count = 0;
  for (const Stage& stage : kPipeline) count += stage.action == StageAction::kDictionary ? 1 : 0;
  return count;
}
inline constexpr std::size_t kDictionaryStages = CountDictionaryStages();

// The dictionary stages' file names, in the pipeline's order.
inline constexpr std::array<std::string_view, kDictionaryStages> kDictionaryFiles = [] {
  std::array<std::string_view, kDictionaryStages> names{};
  std::size_t next = 0;
  for (const Stage& stage : kPipeline) {
    if (stage.action == StageAction::kDictionary) names[next++] = stage.name;
  }
  return names;
}();

// The dictionary stage that reads `file_name`, or null.
constexpr const Stage* DictionaryStageFor(std::string_view file_name) {
  for (const Stage& stage : kPipeline) {
    if (stage.action == StageAction::kDictionary && stage.name == file_name) return &stage;
  }
  return nullptr;
}

}  // namespace mikawase

#endif  // MIKAWASE_PIPELINE_H_
