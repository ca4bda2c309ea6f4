#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "error_messages.h"
#include "fast/fast_engine.h"
#include "literal/literal_engine.h"
#include "mikawase/translate.h"
#include "util/utf8.h"

namespace mikawase {

struct StreamingTranslation::State {
  std::unique_ptr<PieceByPiece> pieces;
  DictionaryLoader load;
  std::string pending;  // input not yet translated: the start of a piece
  bool at_start = true;
  std::size_t bytes_in = 0;
  std::size_t total_peak = 0;
  // LFs fed so far, and bytes since the last, to name the place of bad input.
  std::size_t lines_before = 0;
  std::size_t bytes_of_line_before = 0;

  void Translate(std::string& text, bool last, bool cr_before_lf) {
    std::size_t limit = GrowthLimit(bytes_in);
    std::size_t peak = 0;
    std::string line = text;
    if (!pieces->Translate(text, at_start, last, cr_before_lf, limit, &peak) ||
        (total_peak += peak + 1) > limit) {
      ReportRunawayGrowth(line, limit);
    }
    at_start = false;
  }

  // The literal engine on the line that ran away names the dictionary line
  // to blame; the whole input is no longer at hand to run it on.
  [[noreturn]] void ReportRunawayGrowth(const std::string& line, std::size_t limit) const {
    try {
      TranslateLiterally(line, load);
    } catch (const TranslationError& error) {
      if (error.kind() == ErrorKind::kRunawayGrowth) throw;
    }
    throw RunawayGrowthError(limit, GrowthCause::kUnnamedLine);
  }
};

StreamingTranslation::StreamingTranslation(std::string_view data_folder)
    : StreamingTranslation(DictionaryFolders{std::string(data_folder), ""}) {}

StreamingTranslation::StreamingTranslation(const DictionaryFolders& folders) : state_(new State) {
  try {
    state_->pieces = std::make_unique<PieceByPiece>(CompileFolders(folders));
    state_->load = FolderLoader(folders);
  } catch (...) {
    delete state_;
    throw;
  }
}

StreamingTranslation::~StreamingTranslation() { delete state_; }

std::string StreamingTranslation::Feed(std::string_view part) {
  State& state = *state_;
  if (std::optional<std::size_t> bad = FindInvalidUtf8(part)) {
    throw InvalidInputError(part, *bad, state.lines_before, state.bytes_of_line_before);
  }
  state.lines_before += static_cast<std::size_t>(std::count(part.begin(), part.end(), '\n'));
  std::size_t last_lf = part.rfind('\n');
  state.bytes_of_line_before =
      last_lf == std::string_view::npos ? state.bytes_of_line_before + part.size()
                                        : part.size() - last_lf - 1;
  state.bytes_in += part.size();
  state.pending += part;
  std::string output;
  std::size_t begin = 0;
  // A piece is complete once the byte after its CR is known: whether that
  // is an LF decides the spaces the line-break rules give it.
  for (std::size_t cr = state.pending.find('\r'); cr != std::string::npos && cr + 1 < state.pending.size();
       cr = state.pending.find('\r', begin)) {
    std::string text = state.pending.substr(begin, cr - begin);
    state.Translate(text, false, state.pending[cr + 1] == '\n');
    output += text;
    output += '\r';
    begin = cr + 1;
  }
  state.pending.erase(0, begin);
  return output;
}

std::string StreamingTranslation::Finish() {
  State& state = *state_;
  std::string output;
  std::size_t begin = 0;
  // Whatever is left: pieces whose CR ended the input, then the last one.
  for (std::size_t cr = state.pending.find('\r'); cr != std::string::npos;
       cr = state.pending.find('\r', begin)) {
    std::string text = state.pending.substr(begin, cr - begin);
    state.Translate(text, false, false);
    output += text;
    output += '\r';
    begin = cr + 1;
  }
  std::string text = state.pending.substr(begin);
  state.Translate(text, true, false);
  output += text;
  state.pending.clear();
  return output;
}

}  // namespace mikawase
