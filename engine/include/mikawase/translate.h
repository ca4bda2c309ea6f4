// The engine's public interface: English text in, the Japanese rendering out.
//
// The rendering is produced by a fixed, ordered sequence of literal string
// replacements: built-in rule tables plus three dictionary files, "noun.txt",
// "adjective.txt" and "rome.txt", read from the data folder at every call.
// Text is UTF-8 in both directions. Line breaks in the input are expected as
// CR LF: the rules put spaces around CR LF pairs and lone CRs, not around a
// lone LF, so a word next to a lone LF is not matched as a whole word.
//
// Errors: every function here throws mikawase::TranslationError
// (translation_error.h) for a missing, unreadable or malformed dictionary,
// for input that is not valid UTF-8, and when the text grows past the
// growth guard; it may also throw std::bad_alloc. Nothing partial is ever
// returned, and no other exception leaves the engine.
//
// The growth guard: a translation whose working text grows past 64 MiB plus
// 32 times the input stops with ErrorKind::kRunawayGrowth. Ordinary text
// never comes near it: the built-in rules grow a text by a small constant
// factor (the largest is a letter code, 15 bytes for one letter), and real
// dictionary values are a few words long. Only a dictionary that feeds on
// its own output, doubling the text line after line, reaches it; without
// the guard it would exhaust memory, and the bound also caps what the guard
// itself lets through (a text and its next version, twice 320 MiB for an
// 8 MiB input).
#ifndef MIKAWASE_TRANSLATE_H_
#define MIKAWASE_TRANSLATE_H_

#include <string>
#include <string_view>

#include "mikawase/dictionary_folders.h"
#include "mikawase/translation_error.h"

namespace mikawase {

enum class Engine {
  // The default: the same text as the literal engine, byte for byte, from
  // only the rules that can match, piece by piece (fast_engine.h).
  kFast,
  // Every rule is one full pass over the whole text, in the documented order.
  // Slow on purpose and kept for good: it is the oracle that any faster
  // engine is tested against.
  kLiteral,
};

// Translates `input` with the dictionaries in AppFolder + "data/". AppFolder
// ends with exactly one "/".
std::string Translate(std::string_view input, std::string_view AppFolder);

// The same with the dictionaries taken from `data_folder` (ending with "/")
// and a choice of engine.
std::string TranslateWithDataFolder(std::string_view input, std::string_view data_folder,
                                    Engine engine = Engine::kFast);

// The same with personal dictionaries in front of the shipped ones.
std::string TranslateWithDictionaries(std::string_view input, const DictionaryFolders& folders,
                                      Engine engine = Engine::kFast);

// Translates an input too long to hold in memory, a few lines at a time,
// with the fast engine: the rendering is the same as Translate's on the
// whole input. The dictionaries are read and checked when the object is
// made, so a bad dictionary fails before any output. Some things differ
// from a whole translation, all only for dictionaries that run away: the
// growth guard counts the input read so far, it also stops a single line
// that grows past 256 times its length plus 64 KiB, and its error names no
// dictionary line.
class StreamingTranslation {
 public:
  explicit StreamingTranslation(std::string_view data_folder);
  explicit StreamingTranslation(const DictionaryFolders& folders);
  ~StreamingTranslation();
  StreamingTranslation(const StreamingTranslation&) = delete;
  StreamingTranslation& operator=(const StreamingTranslation&) = delete;

  // Takes the next part of the input (line breaks as CR LF, valid UTF-8)
  // and returns the rendering of every line it completes.
  std::string Feed(std::string_view part);

  // Ends the input and returns the rest of the rendering.
  std::string Finish();

 private:
  struct State;
  State* state_;
};

}  // namespace mikawase

#endif  // MIKAWASE_TRANSLATE_H_
