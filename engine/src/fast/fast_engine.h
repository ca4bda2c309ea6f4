// The fast engine: the same text as the literal engine, byte for byte, in a
// small fraction of the time.
//
// Two facts make it fast. First, no rule can match across a CR: no built-in
// pattern holds one except the two line-break rules, which only put spaces
// around it, and no dictionary line can hold one since CR ends a line. So
// the text between CRs can be translated piece by piece, and only the
// line-break rules need to know the neighbours. Second, in each piece most
// rules match nothing; RuleProgram (rule_program.h) applies only those that
// can.
//
// The growth guard must fire exactly where the literal engine's would. The
// pieces' peak sizes are summed; while that sum stays within the limit the
// whole text never passed it either. Should it pass, the literal engine
// decides, which is slow but only reached by dictionaries that run away.
#ifndef MIKAWASE_FAST_ENGINE_H_
#define MIKAWASE_FAST_ENGINE_H_

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "dictionary/dictionary_set.h"
#include "fast/word_windows.h"

namespace mikawase {

// `input` must be valid UTF-8. Compiles the dictionaries at every call.
std::string TranslateFast(std::string_view input, const DictionaryLoader& load);

// Reads the dictionaries of `folders` at every call, but compiles them
// again only when their bytes have changed.
std::string TranslateFastFromFolders(std::string_view input, const DictionaryFolders& folders);

// Drops the compiled program kept in memory, so that the next translation
// compiles again or takes it from the cache on disk, as a new process
// would. For tests.
void ForgetCompiledPrograms();

// The dictionaries of `folders`, compiled (or taken from the cache), for a
// translation that comes in parts. Throws the first dictionary failure at
// once.
class CompiledProgram;
std::shared_ptr<const CompiledProgram> CompileFolders(const DictionaryFolders& folders);

// Translates a longer input one piece between CRs at a time, remembering
// its words from piece to piece.
class PieceByPiece {
 public:
  explicit PieceByPiece(std::shared_ptr<const CompiledProgram> program);

  // Translates `text`, one piece; false when it grew past `limit`. `first`
  // and `last` say whether it begins or ends the input, `cr_before_lf`
  // whether the CR after it starts a CR LF pair.
  bool Translate(std::string& text, bool first, bool last, bool cr_before_lf, std::size_t limit,
                 std::size_t* peak);

 private:
  std::shared_ptr<const CompiledProgram> program_;
  WordWindows::Session words_;  // borrows from *program_, so declared after it
};

}  // namespace mikawase

#endif  // MIKAWASE_FAST_ENGINE_H_
