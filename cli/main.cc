// mikawase-cli: the translation engine as a Unix filter.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "command_line.h"
#include "explorer_start.h"
#include "mikawase/app_folder.h"
#include "mikawase/compiled_cache.h"
#include "mikawase/dictionary_check.h"
#include "mikawase/line_breaks.h"
#include "mikawase/personal_dictionary.h"
#include "mikawase/trace.h"
#include "mikawase/translate.h"
#include "mikawase/version.h"
#include "reports.h"
#include "standard_streams.h"

void Report(const std::string& message);

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Inputs up to this size are translated whole; longer ones line by line,
// so that memory stays small whatever the input's size.
constexpr std::size_t kWholeInputLimit = std::size_t{8} << 20;
constexpr std::size_t kBlockSize = std::size_t{1} << 20;
// What one read asks for: small enough to stay in the processor's cache
// on its way into the text.
constexpr std::size_t kReadBlock = std::size_t{64} << 10;

// Thrown for a failure that has already been worded for the user.
struct InputFailure {
  std::string message;
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

class Input {
 public:
  explicit Input(const std::string& name) : name_(name == "-" ? "<stdin>" : name) {
    if (name == "-") {
      file_ = stdin;
    } else {
      owned_.reset(mikawase::cli::OpenForReading(name));
      if (!owned_) throw InputFailure{name_ + ": cannot open: " + std::strerror(errno)};
      file_ = owned_.get();
    }
  }

  // Appends up to `count` bytes to *text; false at the end. Room for a
  // block's worth is taken at once, beyond that the text grows by doubling:
  // growing it read by read copied it into fresh pages again and again, and
  // each page fault is dear, while reserving all eight megabytes the filter
  // may hold made every run of the sanitizer build poison them. The bytes go
  // through a small block that stays in cache rather than into a text
  // resized ahead of them, which zero-filled every page before reading it.
  bool Read(std::size_t count, std::string* text) {
    text->reserve(text->size() + std::min(count, kBlockSize));
    if (!block_) block_ = std::make_unique_for_overwrite<char[]>(kReadBlock);
    while (count > 0) {
      std::size_t want = std::min(count, kReadBlock);
      bool failed = false;
      std::size_t got = mikawase::cli::ReadBytes(file_, block_.get(), want, &failed);
      text->append(block_.get(), got);
      if (failed) throw InputFailure{name_ + ": cannot read: " + std::strerror(errno)};
      if (got < want) return false;
      count -= got;
    }
    return true;
  }

  const std::string& name() const { return name_; }

 private:
  std::string name_;
  File owned_;
  std::FILE* file_;
  std::unique_ptr<char[]> block_;
};

void Write(std::FILE* out, std::string_view text) {
  if (!mikawase::cli::WriteBytes(out, text)) {
    throw InputFailure{"cannot write the output: " + std::string(std::strerror(errno))};
  }
}

// CR LF to LF across parts: a CR that ends one part may pair with an LF
// that starts the next, so it is held back until the next part comes.
class LfWriter {
 public:
  LfWriter(std::FILE* out, bool keep_crlf) : out_(out), keep_crlf_(keep_crlf) {}
  void Put(std::string_view text) {
    if (keep_crlf_) return Write(out_, text);
    if (text.empty()) return;
    if (held_cr_ && text.front() != '\n') Write(out_, "\r");
    held_cr_ = text.back() == '\r';
    if (held_cr_) text.remove_suffix(1);
    // Written in parts, without a converted copy of the whole output.
    mikawase::ForEachPartWithoutCrLf(text, [this](std::string_view part) { Write(out_, part); });
  }
  void Finish() {
    if (held_cr_) Write(out_, "\r");
    held_cr_ = false;
  }

 private:
  std::FILE* out_;
  bool keep_crlf_;
  bool held_cr_ = false;
};

// The output of a long input goes to a scratch file first and is copied to
// standard output only once the whole translation has succeeded, so a
// failure halfway never leaves half a translation behind.
void TranslateInParts(Input& input, std::string first_block,
                      const mikawase::DictionaryFolders& folders, bool crlf) {
  mikawase::StreamingTranslation translation(folders);
  File spool(mikawase::cli::OpenScratchFile());
  if (!spool) throw InputFailure{"cannot create a scratch file: " + std::string(std::strerror(errno))};
  LfWriter writer(spool.get(), crlf);
  std::string buffer = std::move(first_block);
  std::size_t done = 0;  // bytes of `buffer` already translated
  bool more = true;
  for (;;) {
    if (more && buffer.size() - done < kBlockSize) {
      buffer.erase(0, done);
      done = 0;
      more = input.Read(kBlockSize, &buffer);
    }
    if (buffer.size() == done) break;
    // Whole lines only, so that no line break and no character is split;
    // at most a block at a time, to keep memory small.
    std::string_view rest = std::string_view(buffer).substr(done);
    std::size_t cut = more ? rest.substr(0, kBlockSize).rfind('\n') : rest.size() - 1;
    if (cut == std::string::npos) cut = rest.rfind('\n');
    if (cut == std::string::npos) {
      if (more) {  // one long line: read on until it ends
        more = input.Read(kBlockSize, &buffer);
        continue;
      }
      cut = rest.size() - 1;
    }
    writer.Put(translation.Feed(mikawase::ToCrLf(rest.substr(0, cut + 1))));
    done += cut + 1;
  }
  writer.Put(translation.Finish());
  writer.Finish();
  std::rewind(spool.get());
  std::vector<char> block(kBlockSize);
  for (std::size_t got; (got = std::fread(block.data(), 1, block.size(), spool.get())) > 0;) {
    Write(stdout, std::string_view(block.data(), got));
  }
  if (std::ferror(spool.get())) throw InputFailure{"cannot read back the scratch file"};
}

// The shipped folder, and the personal one unless the user left it out.
mikawase::DictionaryFolders FoldersFor(const mikawase::cli::CommandLine& command) {
  mikawase::DictionaryFolders folders;
  folders.shipped = command.data_dir ? mikawase::WithTrailingSeparator(*command.data_dir)
                                     : mikawase::DataFolderOf(mikawase::ExecutableFolder());
  if (command.personal) folders.personal = mikawase::PersonalDictionaryFolder();
  return folders;
}

// Reads up to `limit` bytes of the input into *text, without the UTF-8
// byte-order mark that Windows editors put first: it is no part of the
// text, and left in front of the first word it would keep that word from
// matching any whole-word rule. False when there is more.
bool ReadStart(Input& input, std::size_t limit, std::string* text) {
  bool more = input.Read(limit, text);
  if (text->starts_with("\xEF\xBB\xBF")) text->erase(0, 3);
  return more;
}

// Input errors from the engine name no file; the filter knows which it was.
template <typename Body>
void NamingTheInput(const Input& input, Body&& body) {
  try {
    body();
  } catch (const mikawase::TranslationError& error) {
    if (error.kind() != mikawase::ErrorKind::kInvalidInput) throw;
    throw mikawase::TranslationError(error.kind(), input.name(), error.line(), error.problem());
  }
}

// The rest of the input, after what *text already holds.
void ReadToEnd(Input& input, std::string* text) {
  while (input.Read(kBlockSize, text)) {
  }
}

// A whole rendering to standard output, its line breaks as asked.
void WriteRendering(std::string_view rendering, bool crlf) {
  LfWriter writer(stdout, crlf);
  writer.Put(rendering);
  writer.Finish();
}

void FlushOutput() {
  if (std::fflush(stdout) != 0) {
    throw InputFailure{"cannot write the output: " + std::string(std::strerror(errno))};
  }
}

int Run(const mikawase::cli::CommandLine& command) {
  mikawase::DictionaryFolders folders = FoldersFor(command);
  Input input(command.input);
  std::string text;
  NamingTheInput(input, [&] {
    bool more = ReadStart(input, kWholeInputLimit + 1, &text);
    // The literal engine is the reference: it always sees the whole input.
    if (more && command.engine == mikawase::Engine::kLiteral) {
      ReadToEnd(input, &text);
      more = false;
    }
    if (more) {
      TranslateInParts(input, std::move(text), folders, command.crlf);
    } else {
      mikawase::ToCrLfInPlace(text);
      WriteRendering(mikawase::TranslateWithDictionaries(text, folders, command.engine),
                     command.crlf);
    }
  });
  FlushOutput();
  return 0;
}

// The rendering as usual on standard output; on standard error, every rule
// that changed the text. The whole input is one translation, so it is read
// whole, as the literal engine needs it.
int RunTrace(const mikawase::cli::CommandLine& command) {
  mikawase::DictionaryFolders folders = FoldersFor(command);
  Input input(command.input);
  std::string text;
  NamingTheInput(input, [&] {
    if (ReadStart(input, kBlockSize, &text)) ReadToEnd(input, &text);
    mikawase::ToCrLfInPlace(text);
    std::string translated = mikawase::TranslateWithTrace(
        text, folders, [](const mikawase::TraceStep& step) {
          mikawase::cli::WriteBytes(stderr, mikawase::cli::FormatTraceStep(step));
        });
    WriteRendering(translated, command.crlf);
  });
  FlushOutput();
  return 0;
}

// Every problem of every dictionary, then the count; nothing is translated.
int RunCheck(const mikawase::cli::CommandLine& command) {
  mikawase::DictionaryFolders folders = FoldersFor(command);
  std::vector<mikawase::DictionaryFinding> findings = mikawase::CheckDictionaries(folders);
  bool errors = false;
  for (const mikawase::DictionaryFinding& finding : findings) {
    std::string line = mikawase::cli::FormatFinding(finding) + "\n";
    Write(stdout, line);
    errors = errors || finding.severity == mikawase::DictionaryFinding::Severity::kError;
  }
  Write(stdout,
        mikawase::cli::CheckSummary(findings, mikawase::CountDictionaryFiles(folders)) + "\n");
  FlushOutput();
  return errors ? kExitFailure : 0;
}

// The user's folder, or a failure that says why there is none.
std::string PersonalFolderOrFail() {
  std::string folder = mikawase::PersonalDictionaryFolder();
  if (folder.empty()) {
#ifdef _WIN32
    throw InputFailure{"cannot tell where your personal dictionaries go: Windows names no "
                       "%APPDATA% folder"};
#else
    throw InputFailure{"cannot tell where your personal dictionaries go: neither XDG_DATA_HOME "
                       "nor HOME is set"};
#endif
  }
  return folder;
}

// One entry into the user's personal file; then how the key reads with it.
int RunAdd(const mikawase::cli::CommandLine& command) {
  const mikawase::cli::AddCommand& add = *command.add;
  std::string folder = PersonalFolderOrFail();
  std::string file_name = *mikawase::DictionaryFileNamed(add.kind);
  mikawase::AddedEntry added = mikawase::AddPersonalEntry(folder, file_name, add.key, add.value);
  if (!added.refusal.empty()) throw InputFailure{added.path + ": not written: " + added.refusal};
  Write(stdout, added.path + ":" + std::to_string(added.line) + ": " +
                    (added.replaced ? "replaced the line for " : "added ") + "\"" + add.key +
                    "\"\n");
  // What the check says of the new line, if anything: an entry can still be
  // shadowed by an earlier one, or hold letters the spelling rules rewrite.
  mikawase::DictionaryFolders folders = FoldersFor(command);
  for (const mikawase::DictionaryFinding& finding : mikawase::CheckDictionaries(folders)) {
    if (finding.file == added.path && finding.line == added.line) {
      Write(stdout, mikawase::cli::FormatFinding(finding) + "\n");
    }
  }
  std::string rendering = mikawase::TranslateWithDictionaries(add.key, folders);
  Write(stdout, add.key + " → " + rendering + "\n");
  FlushOutput();
  return 0;
}

// Every line for one key out of the user's file; then how the key reads
// without it.
int RunRemove(const mikawase::cli::CommandLine& command) {
  const mikawase::cli::RemoveCommand& remove = *command.remove;
  std::string file_name = *mikawase::DictionaryFileNamed(remove.kind);
  mikawase::RemovedEntry removed =
      mikawase::RemovePersonalEntry(PersonalFolderOrFail(), file_name, remove.key);
  if (!removed.refusal.empty()) {
    throw InputFailure{removed.path + ": nothing removed: " + removed.refusal};
  }
  Write(stdout, removed.path + ":" + std::to_string(removed.line) + ": removed \"" + remove.key +
                    "\"" +
                    (removed.count > 1 ? " (" + std::to_string(removed.count) + " lines)" : "") +
                    "\n");
  std::string rendering = mikawase::TranslateWithDictionaries(remove.key, FoldersFor(command));
  Write(stdout, remove.key + " → " + rendering + "\n");
  FlushOutput();
  return 0;
}

// Every personal entry on standard output; bad lines on standard error,
// each naming its file and line, and then exit status 1.
int RunList() {
  std::string folder = PersonalFolderOrFail();
  mikawase::PersonalEntries listed = mikawase::ListPersonalEntries(folder);
  for (const mikawase::PersonalEntry& entry : listed.entries) {
    Write(stdout, entry.path + ":" + std::to_string(entry.line) + ": " + entry.key + " → " +
                      entry.value + "\n");
  }
  if (listed.entries.empty() && listed.failures.empty()) {
    Write(stdout, folder + ": no entries yet\n");
  }
  FlushOutput();
  for (const mikawase::TranslationError& failure : listed.failures) Report(failure.what());
  return listed.failures.empty() ? 0 : kExitFailure;
}

}  // namespace

// Messages go out through the same writer as the text, so that a path in
// Japanese reads right on a console too.
void Report(const std::string& message) {
  mikawase::cli::WriteBytes(stderr, "mikawase-cli: " + message + "\n");
}

int main(int argc, char** argv) {
  mikawase::cli::PrepareStandardStreams();
#ifdef _WIN32
  if (mikawase::cli::ExplainedStartFromExplorer(argc > 1)) return 0;
#endif
  mikawase::cli::CommandLine command;
  try {
    command = mikawase::cli::ParseCommandLine(mikawase::cli::Arguments(argc, argv));
  } catch (const mikawase::cli::UsageError& error) {
    Report(error.message + "\nTry 'mikawase-cli --help'.");
    return kExitUsage;
  }
  if (command.help) {
    mikawase::cli::WriteBytes(stdout, mikawase::cli::kUsage);
    return 0;
  }
  if (command.version) {
    mikawase::cli::WriteBytes(stdout, std::string("mikawase-cli ") + mikawase::kVersionString + "\n");
    return 0;
  }
  // A new process per translation: without the cache on disk, every one
  // would compile the dictionaries again.
  mikawase::EnableCompiledCache(mikawase::DefaultCompiledCacheFolder());
  try {
    if (command.add) return RunAdd(command);
    if (command.remove) return RunRemove(command);
    if (command.list) return RunList();
    if (command.check) return RunCheck(command);
    if (command.trace) return RunTrace(command);
    return Run(command);
  } catch (const mikawase::TranslationError& error) {
    Report(error.what());
  } catch (const InputFailure& failure) {
    Report(failure.message);
  } catch (const std::bad_alloc&) {
    Report("out of memory");
  }
  return kExitFailure;
}
