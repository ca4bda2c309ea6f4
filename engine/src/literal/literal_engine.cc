#include "literal/literal_engine.h"

#include "dictionary/dictionary_file.h"
#include "rules/rule_tables.h"

namespace mikawase {

void ApplyDictionaryFile(WorkText& work, const DictionaryLoader& load, std::string_view file_name,
                         DictMode mode) {
  for (DictionaryLayer layer : kDictionaryLayers) {
    DictionaryContents contents = load(file_name, layer);
    for (const DictionaryEntry& entry : contents.entries) {
      for (const DictionaryReplacement& replacement : ReplacementsFor(entry, mode)) {
        work.Replace(replacement.find, replacement.replace, {contents.path, entry.line, {}, 0});
      }
    }
    if (contents.failure) throw *contents.failure;
  }
}

void EncodeProtectedTerms(WorkText& work) { work.ApplyTable(ProtectedTermsTable(), "protected terms"); }

void NormaliseSurface(WorkText& work) {
  work.ApplyTable(CapitalisedNamesTable(), "capitalised names");
  work.ApplyTable(PunctuationTable(), "punctuation");
  work.ApplyTable(LineBreakTable(), "line breaks");
  work.ApplyTable(ContractionsTable(), "contractions");
  work.ApplyTable(SpaceCollapseTable(), "space collapse");
  work.Lowercase();
}

void ApplyPhrasesAndMarkPlurals(WorkText& work) {
  work.ApplyTable(PhraseTable(), "phrases");
  work.ApplyTable(JoinersAndPluralMarkingTable(), "joiners and plural marking");
}

void ApplyWordTable(WorkText& work) { work.ApplyTable(WordTable(), "words"); }

void TransliterateSpelling(WorkText& work, const DictionaryLoader& load) {
  work.ApplyTable(SpellingTable(), "spelling");
  ApplyDictionaryFile(work, load, "rome.txt", DictMode::Substring);
}

void RemovePluralMarkers(WorkText& work) { work.ApplyTable(MarkerRemovalTable(), "marker removal"); }

void DecodeLetterCodes(WorkText& work) { work.ApplyTable(LetterCodeTable(), "letter codes"); }

void RemoveSpaces(WorkText& work) { work.ApplyTable(SpaceRemovalTable(), "space removal"); }

std::string TranslateLiterally(std::string_view input, const DictionaryLoader& load) {
  return TranslateLiterallyObserved(input, load, nullptr);
}

std::string TranslateLiterallyObserved(std::string_view input, const DictionaryLoader& load,
                                       RuleObserver* observer) {
  // Wrapped in spaces so that the first and last words match whole-word
  // patterns too.
  std::string wrapped;
  wrapped.reserve(input.size() + 2);
  wrapped.append(" ").append(input).append(" ");
  WorkText work(std::move(wrapped), GrowthLimit(input.size()));
  work.set_observer(observer);

  EncodeProtectedTerms(work);
  NormaliseSurface(work);
  ApplyPhrasesAndMarkPlurals(work);
  ApplyDictionaryFile(work, load, "noun.txt", DictMode::Noun);
  ApplyDictionaryFile(work, load, "adjective.txt", DictMode::Word);
  ApplyWordTable(work);
  TransliterateSpelling(work, load);
  RemovePluralMarkers(work);
  DecodeLetterCodes(work);
  RemoveSpaces(work);
  return work.Release();
}

}  // namespace mikawase
