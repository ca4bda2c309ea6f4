#include "fast/fast_engine.h"

#include <array>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "fast/compiled_cache.h"
#include "fast/compiled_program.h"
#include "fast/pipeline_cuts.h"
#include "fast/rule_program.h"
#include "fast/word_windows.h"
#include "literal/literal_engine.h"
#include "platform/lowercase.h"
#include "platform/processors.h"

namespace mikawase {

namespace {

// Each stage of a program begins with a scan of the whole piece, so a small
// table (the joiners, the letter codes) shares the scan of the table
// before it. A dictionary, or a table after one, has a scan of its own.
constexpr std::size_t kRulesForAScanOfItsOwn = 32;

// Adds stages [begin, end) of the pipeline to `rules`, each dictionary's
// personal lines, then its shipped ones, through `add_dictionary`, which
// returns false when the file failed: the program then ends there.
template <typename AddDictionary>
void AddStages(std::size_t begin, std::size_t end, RuleProgram::Builder& rules,
               AddDictionary&& add_dictionary) {
  for (std::size_t i = begin; i < end; ++i) {
    const Stage& stage = kPipeline[i];
    bool after_table = i > begin && kPipeline[i - 1].action == StageAction::kRules;
    switch (stage.action) {
      case StageAction::kRules:
        if (!after_table || stage.table.size() >= kRulesForAScanOfItsOwn) rules.BeginStage();
        for (const ReplacementRule& rule : stage.table) rules.Add({rule.find}, {rule.replace});
        break;
      case StageAction::kDictionary:
        rules.BeginStage();
        if (!add_dictionary(stage)) return;
        break;
      case StageAction::kLowercasing:
        break;  // the cuts put lowercasing between programs, never inside one
    }
  }
}

// The tables from `begin` to `end`, which hold no dictionary, as one program.
RuleProgram TablesBetween(std::size_t begin, std::size_t end) {
  RuleProgram::Builder rules;
  AddStages(begin, end, rules, [](const Stage&) { return true; });
  return RuleProgram(std::move(rules));
}

const RuleProgram& BeforeLineBreaks() {
  static const RuleProgram program = TablesBetween(0, kLineBreakStage);
  return program;
}

const RuleProgram& AfterLineBreaks() {
  static const RuleProgram program = TablesBetween(kLineBreakStage + 1, kLowercasingStage);
  return program;
}

// Everything after lowercasing as one program, the dictionaries' lines in
// their places. When a dictionary fails, the program stops where the
// literal engine would, and the failure waits to be raised once the rules
// before it have run (they may still run away, which would be reported
// first).
CompiledProgram Compile(const DictionaryLoader& load) {
  CompiledProgram compiled;
  RuleProgram::Builder rules;
  // A dictionary's personal lines, then its shipped ones, in one stage.
  auto add_dictionary = [&](const Stage& stage) {
    for (DictionaryLayer layer : kDictionaryLayers) {
      DictionaryContents contents;
      try {
        contents = load(stage.name, layer);
      } catch (const TranslationError& error) {
        compiled.failure = error;
        return false;
      }
      // Written straight into the program, without a string per rule.
      bool by_word = stage.mode != DictMode::Substring;
      for (const DictionaryEntry& entry : contents.entries) {
        EmitReplacements(entry, stage.mode, [&](std::initializer_list<std::string_view> find,
                                                std::initializer_list<std::string_view> replace) {
          rules.Add(find, replace, by_word);
        });
      }
      compiled.failure = std::move(contents.failure);
      if (compiled.failure) return false;
    }
    return true;
  };
  AddStages(kCompiledBegin, kCompiledEnd, rules, add_dictionary);
  compiled.removes_spaces = kEndsByRemovingSpaces && !compiled.failure;
  compiled.program = std::make_unique<RuleProgram>(std::move(rules));
  compiled.windows = std::make_unique<WordWindows>(*compiled.program, compiled.removes_spaces);
  return compiled;
}

// Runs `program` over `text` split at the bytes no rule's pattern holds:
// such a byte is never matched nor spanned, so each side can be run alone.
// English sentences end in "。", whose bytes no shipped pattern holds, so a
// long line falls apart into sentences and no rewrite copies more than one.
bool RunInSeparatePieces(const RuleProgram& program, std::string& text, std::size_t limit,
                         std::size_t* peak, RuleProgram::Workspace& workspace) {
  std::string result;
  std::size_t peak_sum = 0;
  std::size_t begin = 0;
  std::string piece;
  for (std::size_t at = 0; at <= text.size(); ++at) {
    if (at < text.size() && program.InSomePattern(static_cast<unsigned char>(text[at]))) continue;
    piece.assign(text, begin, at - begin);
    std::size_t piece_peak = 0;
    if (!program.Run(piece, limit, &piece_peak, workspace)) return false;
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
                    const CompiledProgram& compiled, WordWindows::Session& words,
                    std::size_t limit, std::size_t* peak) {
  // A piece that grows this much is left to the literal engine, which
  // decides whether the whole text passes the growth limit. Real text stays
  // far below it, and a runaway dictionary is caught while the piece is
  // still small instead of after copying and rescanning it at 64 MiB.
  constexpr std::size_t kPieceGrowthFactor = 256;
  constexpr std::size_t kPieceAllowance = 64 * 1024;
  if (text.size() < (limit - kPieceAllowance) / kPieceGrowthFactor) {
    limit = std::min(limit, text.size() * kPieceGrowthFactor + kPieceAllowance);
  }
  if (!BeforeLineBreaks().Run(text, limit, peak, words.rules())) return false;
  // The line-break stage, as the spaces it puts around each CR: at the end
  // of the piece before it, and at the start of the piece after it, in
  // place of the LF of a CR LF pair. No earlier rule can touch the LF that
  // starts a piece (pipeline_cuts.h).
  if (follows_cr) {
    bool lf = !text.empty() && text[0] == '\n';
    text.replace(0, lf ? 1 : 0, (lf ? SpacingOfCrLf() : SpacingOfLoneCr()).after_cr);
  }
  if (before_cr) text += (cr_before_lf ? SpacingOfCrLf() : SpacingOfLoneCr()).before_cr;
  if (text.size() > limit) return false;
  *peak = std::max(*peak, text.size());
  if (!AfterLineBreaks().Run(text, limit, peak, words.rules())) return false;
  LowercaseUtf8InPlace(text);
  if (text.size() > limit) return false;
  *peak = std::max(*peak, text.size());
  if (words.Run(text, limit, peak)) return true;
  if (!RunInSeparatePieces(*compiled.program, text, limit, peak, words.rules())) return false;
  if (compiled.removes_spaces) std::erase(text, ' ');
  return true;
}

// Wraps the ends of the input and runs one piece through the pipeline.
bool TranslateWrappedPiece(std::string& text, std::string_view piece, bool first, bool last,
                           bool cr_before_lf, const CompiledProgram& compiled,
                           WordWindows::Session& words, std::size_t limit, std::size_t* peak) {
  text.clear();
  if (first) text += ' ';
  text += piece;
  if (last) text += ' ';
  return TranslatePiece(text, !first, !last, cr_before_lf, compiled, words, limit, peak);
}

// Whether this process may run on more than one processor. Held to one
// (taskset, a container's CPU set), a second thread only takes turns with
// the first, and learns every word a second time.
bool SecondCoreFree() { return UsableProcessorCount() > 1; }

// Runs body(begin, end, part) over [0, count) in two halves on two threads
// when there is enough work to pay for a thread, else in one part.
template <typename Body>
void ForBothCores(std::size_t count, std::size_t bytes, Body&& body) {
  constexpr std::size_t kWorthAThread = 256 * 1024;
  if (count < 2 || bytes < kWorthAThread || !SecondCoreFree()) {
    body(0, count, 0);
    return;
  }
  std::size_t middle = count / 2;
  // A failure on either thread (no memory, the system's lowercasing) is
  // raised here once both are done: an exception must neither leave the
  // second thread's function nor unwind past it while it runs.
  std::exception_ptr second_failed;
  std::thread second;
  try {
    second = std::thread([&] {
      try {
        body(middle, count, 1);
      } catch (...) {
        second_failed = std::current_exception();
      }
    });
  } catch (const std::system_error&) {
    // No thread to be had (a process or system limit): the second half
    // runs here, after the first.
    body(0, middle, 0);
    body(middle, count, 1);
    return;
  }
  try {
    body(0, middle, 0);
  } catch (...) {
    second.join();
    throw;
  }
  second.join();
  if (second_failed) std::rethrow_exception(second_failed);
}

// The whole input, piece by piece; nullopt when the literal engine must
// decide. Pieces are independent, so the two halves of a long input run on
// both cores and are joined in order.
std::optional<std::string> TranslateInPieces(std::string_view input,
                                             const CompiledProgram& compiled) {
  std::size_t limit = GrowthLimit(input.size());
  std::vector<std::string_view> pieces;
  for (std::size_t begin = 0;;) {
    std::size_t cr = input.find('\r', begin);
    pieces.push_back(input.substr(begin, (cr == std::string_view::npos ? input.size() : cr) - begin));
    if (cr == std::string_view::npos) break;
    begin = cr + 1;
  }
  std::array<std::string, 2> output;
  std::array<std::size_t, 2> peaks = {0, 0};
  std::array<bool, 2> ok = {true, true};
  ForBothCores(pieces.size(), input.size(), [&](std::size_t begin, std::size_t end, int part) {
    std::string text;
    WordWindows::Session words(*compiled.windows);
    // English comes out at up to about twice its bytes in Japanese. The
    // first part also takes the second when both are done. Room reserved
    // and never written costs no memory.
    std::size_t bytes = part == 0 ? input.size()
                                  : static_cast<std::size_t>(input.data() + input.size() -
                                                             pieces[begin].data());
    output[part].reserve(bytes * 2 + 64);
    for (std::size_t i = begin; i < end; ++i) {
      bool first = i == 0, last = i + 1 == pieces.size();
      bool cr_before_lf = !last && !pieces[i + 1].empty() && pieces[i + 1][0] == '\n';
      std::size_t peak = 0;
      if (!TranslateWrappedPiece(text, pieces[i], first, last, cr_before_lf, compiled,
                                 words, limit, &peak)) {
        ok[part] = false;
        return;
      }
      peaks[part] += peak + (last ? 0 : 1);  // the CR after it
      if (peaks[part] > limit) {
        ok[part] = false;
        return;
      }
      output[part] += text;
      if (!last) output[part] += '\r';
    }
  });
  if (!ok[0] || !ok[1] || peaks[0] + peaks[1] > limit) return std::nullopt;
  output[0] += output[1];
  return std::move(output[0]);
}

std::string TranslateCompiled(std::string_view input, const CompiledProgram& compiled,
                              const DictionaryLoader& load) {
  std::optional<std::string> output = TranslateInPieces(input, compiled);
  if (!output) return TranslateLiterally(input, load);
  if (compiled.failure) throw *compiled.failure;
  return std::move(*output);
}

}  // namespace

std::string TranslateFast(std::string_view input, const DictionaryLoader& load) {
  return TranslateCompiled(input, Compile(load), load);
}

namespace {

// The files are read at every call, as the window promises; only their
// compilation is kept, for as long as their bytes stay the same. Never
// destroyed: tearing down a large program at exit would only cost time.
struct CompileCache {
  std::mutex mutex;
  DictionaryFolders folders;
  std::shared_ptr<const CompiledProgram> compiled;
};
CompileCache& TheCompileCache() {
  static CompileCache* cache = new CompileCache;
  return *cache;
}

struct FolderCompilation {
  std::shared_ptr<const CompiledProgram> compiled;
  DictionaryLoader load;  // reads nothing again: it parses the bytes read
};

bool SameFolders(const DictionaryFolders& a, const DictionaryFolders& b) {
  return a.shipped == b.shipped && a.personal == b.personal;
}

// The file of `set` kept in `slot`, or null when the set has none there.
const DictionarySource* SourceInSlot(const std::vector<DictionarySource>& set, std::size_t slot) {
  for (const DictionarySource& source : set) {
    if (source.slot == slot) return &source;
  }
  return nullptr;
}

// Whether the file of `set` in `slot` holds exactly `stored` (a slot
// without a file, or a skipped one, holds nothing), read block by block
// and compared as it comes. False too when it cannot be read: reading it
// whole then reports why.
bool FileHolds(const std::vector<DictionarySource>& set, std::size_t slot, std::string_view stored) {
  const DictionarySource* source = SourceInSlot(set, slot);
  if (!source) return stored.empty();
  std::size_t at = 0;
  try {
    bool whole = ReadSourceInBlocks(*source, [&](std::string_view block) {
      if (stored.substr(at, block.size()) != block) return false;
      at += block.size();
      return true;
    });
    return whole && at == stored.size();
  } catch (const TranslationError&) {
    return false;
  }
}

// The CacheChecksum of each slot's file, read block by block and not
// kept; nullopt when one cannot be read.
std::optional<DictionaryChecksums> ChecksumFiles(const std::vector<DictionarySource>& set) {
  std::array<ChecksumStream, kDictionarySlots> sums;
  try {
    for (const DictionarySource& source : set) {
      ReadSourceInBlocks(source, [&](std::string_view block) {
        sums[source.slot].Add(block);
        return true;
      });
    }
  } catch (const TranslationError&) {
    return std::nullopt;
  }
  DictionaryChecksums checksums;
  for (std::size_t slot = 0; slot < kDictionarySlots; ++slot) checksums[slot] = sums[slot].Sum();
  return checksums;
}

// Parses the dictionaries `compiled` was made from, for the literal engine
// and for raising a dictionary's failure: the files held these very bytes.
DictionaryLoader LoaderOf(std::vector<DictionarySource> set,
                          std::shared_ptr<const CompiledProgram> compiled) {
  return [set = std::move(set), compiled = std::move(compiled)](std::string_view name,
                                                               DictionaryLayer layer) {
    for (const DictionarySource& source : set) {
      if (source.name != name || source.layer != layer) continue;
      return ParseDictionary(compiled->sources[source.slot], source.path);
    }
    return DictionaryContents{};  // a personal layer without a personal folder
  };
}

// The program for the files of `set` when one made from their very bytes
// is at hand, in memory or in the cache on disk; null otherwise. The
// files are read block by block and compared with the copy the program
// holds, never kept whole: with a dictionary of megabytes, holding its
// bytes cost more (fresh pages, copies) than all the rest of a start.
std::shared_ptr<const CompiledProgram> FindCompiled(const DictionaryFolders& folders,
                                                    const std::vector<DictionarySource>& set) {
  std::shared_ptr<const CompiledProgram> kept;
  CompileCache& cache = TheCompileCache();
  {
    std::lock_guard<std::mutex> lock(cache.mutex);
    if (cache.compiled && SameFolders(cache.folders, folders)) kept = cache.compiled;
  }
  auto files_hold = [&set](std::size_t slot, std::string_view stored) {
    return FileHolds(set, slot, stored);
  };
  if (kept) {
    bool same = true;
    for (std::size_t slot = 0; slot < kDictionarySlots && same; ++slot) {
      same = files_hold(slot, kept->sources[slot]);
    }
    if (same) return kept;
  }
  // The cache file is found by the files' checksums and used only when the
  // bytes it stores are the files' bytes, read again: a file that changes
  // between the two readings only means compiling.
  std::optional<DictionaryChecksums> checksums = ChecksumFiles(set);
  if (!checksums) return nullptr;
  std::shared_ptr<const CompiledProgram> loaded = LoadCompiledFromDisk(*checksums, files_hold);
  if (loaded) {
    std::lock_guard<std::mutex> lock(cache.mutex);
    cache.folders = folders;
    cache.compiled = loaded;
  }
  return loaded;
}

// Reads every file whole, then takes the program from the cache on disk
// or compiles it. Reached when nothing kept fits the files, or one of them
// cannot be read (its failure is raised where the literal engine would).
FolderCompilation CompileFolderAfresh(const DictionaryFolders& folders,
                                      const std::vector<DictionarySource>& set) {
  // A skipped personal file reads as empty: it changes nothing, and gives
  // the same program as an empty one.
  auto bytes = std::make_shared<DictionaryBytes>();
  DictionaryFailures failures;
  for (const DictionarySource& source : set) {
    try {
      if (std::optional<std::string> read = ReadSourceBytes(source)) {
        (*bytes)[source.slot] = std::move(*read);
      }
    } catch (const TranslationError& error) {
      failures[source.slot] = error;
    }
  }
  FolderCompilation result;
  result.load = [set, bytes, failures](std::string_view name, DictionaryLayer layer) {
    for (const DictionarySource& source : set) {
      if (source.name != name || source.layer != layer) continue;
      if (failures[source.slot]) throw *failures[source.slot];
      return ParseDictionary((*bytes)[source.slot], source.path);
    }
    return DictionaryContents{};  // a personal layer without a personal folder
  };
  bool cacheable = std::none_of(failures.begin(), failures.end(),
                                [](const auto& failure) { return failure.has_value(); });
  // Behind the cache in memory, the one on disk (when the executable asked
  // for it): a new process finds there what an earlier one compiled.
  if (cacheable) result.compiled = LoadCompiledFromDisk(*bytes);
  if (!result.compiled) {
    CompiledProgram compiled = Compile(result.load);
    compiled.sources_owner = bytes;
    for (std::size_t slot = 0; slot < kDictionarySlots; ++slot) compiled.sources[slot] = (*bytes)[slot];
    // Only a compilation that holds every line is worth keeping: a failing
    // one is cheap to redo, and its error names the folder it came from.
    if (cacheable && !compiled.failure) SaveCompiledToDisk(*bytes, compiled);
    result.compiled = std::make_shared<const CompiledProgram>(std::move(compiled));
  }
  if (cacheable) {
    CompileCache& cache = TheCompileCache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    cache.folders = folders;
    cache.compiled = result.compiled;
  }
  return result;
}

FolderCompilation CompileFolderCached(const DictionaryFolders& folders) {
  std::vector<DictionarySource> set = ResolveDictionarySet(folders);
  if (std::shared_ptr<const CompiledProgram> found = FindCompiled(folders, set)) {
    FolderCompilation result;
    result.load = LoaderOf(set, found);
    result.compiled = std::move(found);
    return result;
  }
  return CompileFolderAfresh(folders, set);
}

}  // namespace

void ForgetCompiledPrograms() {
  CompileCache& cache = TheCompileCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  cache.folders = {};
  cache.compiled.reset();
}

std::string TranslateFastFromFolders(std::string_view input, const DictionaryFolders& folders) {
  FolderCompilation compilation = CompileFolderCached(folders);
  return TranslateCompiled(input, *compilation.compiled, compilation.load);
}

std::shared_ptr<const CompiledProgram> CompileFolders(const DictionaryFolders& folders) {
  FolderCompilation compilation = CompileFolderCached(folders);
  if (compilation.compiled->failure) throw *compilation.compiled->failure;
  return compilation.compiled;
}

PieceByPiece::PieceByPiece(std::shared_ptr<const CompiledProgram> program)
    : program_(std::move(program)), words_(*program_->windows) {}

bool PieceByPiece::Translate(std::string& text, bool first, bool last, bool cr_before_lf,
                             std::size_t limit, std::size_t* peak) {
  std::string piece = std::move(text);
  return TranslateWrappedPiece(text, piece, first, last, cr_before_lf, *program_, words_, limit,
                               peak);
}

}  // namespace mikawase
