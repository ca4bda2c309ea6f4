// The literal engine: the pipeline exactly as documented, every rule one
// full pass over the whole text. Never tuned for speed: it is the reference
// that faster engines must match byte for byte.
#ifndef MIKAWASE_LITERAL_ENGINE_H_
#define MIKAWASE_LITERAL_ENGINE_H_

#include <string>
#include <string_view>

#include "dictionary/dictionary_set.h"
#include "literal/work_text.h"
#include "rules/pipeline.h"

namespace mikawase {

// Loads `file_name`, the personal file first, then the shipped one, and
// applies their lines to `work`, one line after the other, each line to the
// whole text.
void ApplyDictionaryFile(WorkText& work, const DictionaryLoader& load, std::string_view file_name,
                         DictMode mode);

// Runs one stage of the pipeline; `load` may be null for a stage that
// reads no dictionary.
void RunStage(WorkText& work, const Stage& stage, const DictionaryLoader* load);

// The procedures, each its stages of the pipeline, in order.
void EncodeProtectedTerms(WorkText& work);
void NormaliseSurface(WorkText& work);
void ApplyPhrasesAndMarkPlurals(WorkText& work);
void ApplyWordTable(WorkText& work);
void TransliterateSpelling(WorkText& work, const DictionaryLoader& load);
void RemovePluralMarkers(WorkText& work);
void DecodeLetterCodes(WorkText& work);
void RemoveSpaces(WorkText& work);

// `input` must be valid UTF-8.
std::string TranslateLiterally(std::string_view input, const DictionaryLoader& load);

// The same, telling `observer` of every rule that changes the text.
std::string TranslateLiterallyObserved(std::string_view input, const DictionaryLoader& load,
                                       RuleObserver* observer);

}  // namespace mikawase

#endif  // MIKAWASE_LITERAL_ENGINE_H_
