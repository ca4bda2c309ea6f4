// The set of dictionary files a translation applies.
//
// Which files there are, in which order, which of them are the user's own,
// and what a missing personal file means are said once, here, from the
// pipeline's dictionary stages (rules/pipeline.h). Both engines, the
// streaming translation, the check and --add take the files from here.
#ifndef MIKAWASE_DICTIONARY_SET_H_
#define MIKAWASE_DICTIONARY_SET_H_

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary_file.h"
#include "mikawase/dictionary_folders.h"
#include "rules/dict_mode.h"
#include "rules/pipeline.h"

namespace mikawase {

// Each dictionary comes in up to two layers, applied in this order: the
// user's personal file, when there is one, and the shipped file.
enum class DictionaryLayer { kPersonal, kShipped };
inline constexpr DictionaryLayer kDictionaryLayers[] = {DictionaryLayer::kPersonal,
                                                        DictionaryLayer::kShipped};

// One file of the set.
struct DictionarySource {
  std::string_view name;  // the file's name, the stage's ("noun.txt")
  DictMode mode;
  DictionaryLayer layer;
  std::string path;  // its folder and its name
  // Where its bytes are kept among all the set could hold: the shipped
  // files first, in the pipeline's order, then the personal ones. A set
  // without personal files keeps the layout it had before there were any.
  std::size_t slot;
};

inline constexpr std::size_t kDictionarySlots = 2 * kDictionaryStages;

// Every file of `folders`, in the order a translation applies them: for
// each dictionary stage of the pipeline, the personal file when there is a
// personal folder, then the shipped one.
std::vector<DictionarySource> ResolveDictionarySet(const DictionaryFolders& folders);

// A personal file that does not exist, nor its folder, is skipped: it
// changes nothing. A shipped file must exist.
bool IsSkipped(const DictionarySource& source);

// The bytes of `source`, or nullopt when it is skipped. Throws
// TranslationError when a file that counts is missing or unreadable.
std::optional<std::string> ReadSourceBytes(const DictionarySource& source);

// The bytes of `source` handed to take(block) a block at a time, none kept
// (a skipped file hands none), until take returns false; then false.
// Throws as ReadSourceBytes does.
bool ReadSourceInBlocks(const DictionarySource& source,
                        const std::function<bool(std::string_view)>& take);

// Where dictionaries come from: given a file's name ("noun.txt") and a
// layer, the file's contents, or a TranslationError thrown. A layer that
// has no such file gives no entries; a missing shipped file is an error.
// Translations read files through FolderLoader(); tests and fuzzers hand in
// bytes directly.
using DictionaryLoader =
    std::function<DictionaryContents(std::string_view file_name, DictionaryLayer layer)>;

// Reads the files of `folders` at every call.
DictionaryLoader FolderLoader(DictionaryFolders folders);

}  // namespace mikawase

#endif  // MIKAWASE_DICTIONARY_SET_H_
