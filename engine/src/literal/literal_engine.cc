#include "literal/literal_engine.h"

#include "dictionary/dictionary_file.h"
#include "mikawase/translate.h"
#include "rules/rule_tables.h"

namespace mikawase {

void ApplyDictionaryFile(WorkText& work, const DictionaryLoader& load, std::string_view file_name,
                         DictMode mode) {
  DictionaryContents contents = load(file_name);
  for (const DictionaryEntry& entry : contents.entries) {
    for (const DictionaryReplacement& replacement : ReplacementsFor(entry, mode)) {
      work.Replace(replacement.find, replacement.replace, {contents.path, entry.line});
    }
  }
  if (contents.failure) throw *contents.failure;
}

void EncodeProtectedTerms(WorkText& work) { work.ApplyTable(ProtectedTermsTable()); }

void NormaliseSurface(WorkText& work) {
  work.ApplyTable(CapitalisedNamesTable());
  work.ApplyTable(PunctuationTable());
  work.ApplyTable(LineBreakTable());
  work.ApplyTable(ContractionsTable());
  work.ApplyTable(SpaceCollapseTable());
  work.Lowercase();
}

void ApplyPhrasesAndMarkPlurals(WorkText& work) {
  work.ApplyTable(PhraseTable());
  work.ApplyTable(JoinersAndPluralMarkingTable());
}

void ApplyWordTable(WorkText& work) { work.ApplyTable(WordTable()); }

void TransliterateSpelling(WorkText& work, const DictionaryLoader& load) {
  work.ApplyTable(SpellingTable());
  ApplyDictionaryFile(work, load, "rome.txt", DictMode::Substring);
}

void RemovePluralMarkers(WorkText& work) { work.ApplyTable(MarkerRemovalTable()); }

void DecodeLetterCodes(WorkText& work) { work.ApplyTable(LetterCodeTable()); }

void RemoveSpaces(WorkText& work) { work.ApplyTable(SpaceRemovalTable()); }

std::string TranslateLiterally(std::string_view input, const DictionaryLoader& load) {
  // Wrapped in spaces so that the first and last words match whole-word
  // patterns too.
  std::string wrapped;
  wrapped.reserve(input.size() + 2);
  wrapped.append(" ").append(input).append(" ");
  WorkText work(std::move(wrapped), GrowthLimit(input.size()));

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
