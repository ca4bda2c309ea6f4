// Where the fast engine cuts the pipeline (rules/pipeline.h), and the shape
// of the tables it relies on, checked when the engine is compiled.
//
// The fast engine translates the text between CRs piece by piece, which is
// exact only because the line-break stage is the one stage whose patterns
// hold a CR, and because it rewrites each line break on its own. So the
// pipeline falls into: the tables before the line breaks, run on each
// piece; the line breaks, as spaces put at the ends of the pieces; the
// tables up to lowercasing; lowercasing; and one compiled program of the
// rest, dictionaries included, whose last rule, the removal of every
// space, is applied to each word's result instead (compiled_program.h).
//
// Everything here is read from the pipeline and its tables: a table that no
// longer fits these assumptions stops the build with the reason, instead of
// making the two engines disagree.
#ifndef MIKAWASE_PIPELINE_CUTS_H_
#define MIKAWASE_PIPELINE_CUTS_H_

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "rules/pipeline.h"

namespace mikawase {

namespace pipeline_cuts {

inline constexpr std::size_t kNone = static_cast<std::size_t>(-1);
inline constexpr std::size_t kStages = std::size(kPipeline);

constexpr bool Holds(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

constexpr bool PatternsHold(const Stage& stage, char c) {
  if (stage.action != StageAction::kRules) return false;
  for (const ReplacementRule& rule : stage.table) {
    if (Holds(rule.find, c)) return true;
  }
  return false;
}

constexpr bool RulesHold(const Stage& stage, char c) {
  if (stage.action != StageAction::kRules) return false;
  for (const ReplacementRule& rule : stage.table) {
    if (Holds(rule.find, c) || Holds(rule.replace, c)) return true;
  }
  return false;
}

// The one stage whose patterns hold a CR; kNone when there are none or
// several.
constexpr std::size_t FindLineBreakStage() {
  std::size_t found = kNone;
  for (std::size_t i = 0; i < kStages; ++i) {
    if (!PatternsHold(kPipeline[i], '\r')) continue;
    if (found != kNone) return kNone;
    found = i;
  }
  return found;
}

// The one lowercasing stage; kNone when there are none or several.
constexpr std::size_t FindLowercasingStage() {
  std::size_t found = kNone;
  for (std::size_t i = 0; i < kStages; ++i) {
    if (kPipeline[i].action != StageAction::kLowercasing) continue;
    if (found != kNone) return kNone;
    found = i;
  }
  return found;
}

constexpr bool OnlyTablesIn(std::size_t begin, std::size_t end) {
  for (std::size_t i = begin; i < end; ++i) {
    if (kPipeline[i].action != StageAction::kRules) return false;
  }
  return true;
}

// A piece's leading LF must reach the line-break stage as the input had it,
// since it decides whether the CR before it starts a pair.
constexpr bool NoLineBreakTouchedBefore(std::size_t stage) {
  for (std::size_t i = 0; i < stage; ++i) {
    if (RulesHold(kPipeline[i], '\r') || RulesHold(kPipeline[i], '\n')) return false;
  }
  return true;
}

// A short text of fixed room, since GCC 12 cannot yet copy a std::string
// in a constant expression.
struct ShortText {
  static constexpr std::size_t kRoom = 64;
  char bytes[kRoom] = {};
  std::size_t size = 0;
  bool overflowed = false;

  constexpr std::string_view view() const { return {bytes, size}; }
  constexpr void Append(std::string_view more) {
    if (more.size() > kRoom - size) {
      overflowed = true;
      return;
    }
    for (char c : more) bytes[size++] = c;
  }
};

// The rules applied to `text` one after another, as ReplaceAll does.
constexpr ShortText Applied(RuleTable table, std::string_view text) {
  ShortText current;
  current.Append(text);
  for (const ReplacementRule& rule : table) {
    if (rule.find.empty()) continue;
    ShortText result;
    std::string_view before = current.view();
    std::size_t at = 0;
    for (std::size_t hit = before.find(rule.find); hit != std::string_view::npos;
         hit = before.find(rule.find, at)) {
      result.Append(before.substr(at, hit - at));
      result.Append(rule.replace);
      at = hit + rule.find.size();
    }
    result.Append(before.substr(at));
    result.overflowed = result.overflowed || current.overflowed;
    current = result;
  }
  return current;
}

constexpr std::size_t CountOf(std::string_view text, char c) {
  std::size_t count = 0;
  for (char in : text) count += in == c ? 1 : 0;
  return count;
}

constexpr bool HoldsOneCr(const ShortText& text) {
  return !text.overflowed && CountOf(text.view(), '\r') == 1;
}

constexpr bool IsLineBreakByte(char c) { return c == '\r' || c == '\n'; }

// The line-break rules rewrite each break on its own when every pattern is
// a whole break ("\r" or "\r\n") and every replacement begins and ends with
// something else: a rewritten break is then fenced off from its
// neighbours, and no later rule of the stage can reach across it. The
// pieces keep apart when a break, rewritten, still holds exactly one CR.
constexpr bool LineBreakRulesFitPieces(RuleTable table) {
  for (const ReplacementRule& rule : table) {
    if (rule.find != "\r" && rule.find != "\r\n") return false;
    if (rule.replace.empty() || IsLineBreakByte(rule.replace.front()) ||
        IsLineBreakByte(rule.replace.back())) {
      return false;
    }
  }
  return HoldsOneCr(Applied(table, "\r")) && HoldsOneCr(Applied(table, "\r\n"));
}

// Whether stage `stage` is the removal of every ASCII space and nothing else.
constexpr bool RemovesEverySpace(const Stage& stage) {
  return stage.action == StageAction::kRules && stage.table.size() == 1 &&
         stage.table[0].find == " " && stage.table[0].replace.empty();
}

}  // namespace pipeline_cuts

inline constexpr std::size_t kLineBreakStage = pipeline_cuts::FindLineBreakStage();
inline constexpr std::size_t kLowercasingStage = pipeline_cuts::FindLowercasingStage();

static_assert(kLineBreakStage != pipeline_cuts::kNone,
              "the fast engine cuts the text at its CRs: exactly one stage may have patterns "
              "that hold a CR");
static_assert(kLowercasingStage != pipeline_cuts::kNone && kLineBreakStage < kLowercasingStage,
              "the fast engine expects one lowercasing stage, after the line breaks");
static_assert(pipeline_cuts::OnlyTablesIn(0, kLowercasingStage) &&
                  kPipeline[kLineBreakStage].action == StageAction::kRules,
              "the fast engine compiles dictionaries only after lowercasing");
static_assert(pipeline_cuts::NoLineBreakTouchedBefore(kLineBreakStage),
              "no table before the line breaks may read or write a CR or an LF");
static_assert(pipeline_cuts::LineBreakRulesFitPieces(kPipeline[kLineBreakStage].table),
              "the line-break rules must rewrite each break on its own and keep one CR in it");

// Whether the pipeline ends by removing every space, which the fast engine
// then does to each word's result instead of as a rule of its program.
inline constexpr bool kEndsByRemovingSpaces =
    pipeline_cuts::RemovesEverySpace(kPipeline[pipeline_cuts::kStages - 1]);

// The stages of the compiled program: from after lowercasing to the end,
// without the space removal when it is last.
inline constexpr std::size_t kCompiledBegin = kLowercasingStage + 1;
inline constexpr std::size_t kCompiledEnd = pipeline_cuts::kStages - (kEndsByRemovingSpaces ? 1 : 0);

// What the line-break rules put around one break, split at its CR: the
// text that ends the piece before it, and the text that starts the piece
// after it (for a CR LF pair, in place of the LF).
struct BreakSpacing {
  std::string before_cr;
  std::string after_cr;
};
inline BreakSpacing SpacingOf(std::string_view line_break) {
  pipeline_cuts::ShortText rewritten =
      pipeline_cuts::Applied(kPipeline[kLineBreakStage].table, line_break);
  std::string_view text = rewritten.view();
  std::size_t cr = text.find('\r');
  return {std::string(text.substr(0, cr)), std::string(text.substr(cr + 1))};
}
inline const BreakSpacing& SpacingOfCrLf() {
  static const BreakSpacing spacing = SpacingOf("\r\n");
  return spacing;
}
inline const BreakSpacing& SpacingOfLoneCr() {
  static const BreakSpacing spacing = SpacingOf("\r");
  return spacing;
}

}  // namespace mikawase

#endif  // MIKAWASE_PIPELINE_CUTS_H_
