#include "literal/literal_engine.h"

#include <cassert>

#include "dictionary/dictionary_file.h"

namespace mikawase {

namespace {

void RunProcedure(WorkText& work, Procedure procedure, const DictionaryLoader* load) {
  for (const Stage& stage : kPipeline) {
    if (stage.procedure == procedure) RunStage(work, stage, load);
  }
}

}  // namespace

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

void RunStage(WorkText& work, const Stage& stage, const DictionaryLoader* load) {
  switch (stage.action) {
    case StageAction::kRules:
      work.ApplyTable(stage.table, stage.name);
      return;
    case StageAction::kLowercasing:
      work.Lowercase(stage.name);
      return;
    case StageAction::kDictionary:
      assert(load != nullptr);
      ApplyDictionaryFile(work, *load, stage.name, stage.mode);
      return;
  }
}

void EncodeProtectedTerms(WorkText& work) {
  RunProcedure(work, Procedure::kEncodeProtectedTerms, nullptr);
}

void NormaliseSurface(WorkText& work) { RunProcedure(work, Procedure::kNormaliseSurface, nullptr); }

void ApplyPhrasesAndMarkPlurals(WorkText& work) {
  RunProcedure(work, Procedure::kApplyPhrasesAndMarkPlurals, nullptr);
}

void ApplyWordTable(WorkText& work) { RunProcedure(work, Procedure::kApplyWordTable, nullptr); }

void TransliterateSpelling(WorkText& work, const DictionaryLoader& load) {
  RunProcedure(work, Procedure::kTransliterateSpelling, &load);
}

void RemovePluralMarkers(WorkText& work) {
  RunProcedure(work, Procedure::kRemovePluralMarkers, nullptr);
}

void DecodeLetterCodes(WorkText& work) { RunProcedure(work, Procedure::kDecodeLetterCodes, nullptr); }

void RemoveSpaces(WorkText& work) { RunProcedure(work, Procedure::kRemoveSpaces, nullptr); }

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
  for (const Stage& stage : kPipeline) RunStage(work, stage, &load);
  return work.Release();
}

}  // namespace mikawase
