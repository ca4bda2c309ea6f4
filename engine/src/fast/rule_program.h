// An ordered list of rules, applied to a piece of text as fast as possible
// with exactly the result of one ReplaceAll per rule, in order.
//
// Most rules match nothing in a given piece. Instead of a pass per rule, the
// program goes stage by stage (a table, a dictionary): it finds the stage's
// rules that occur in the piece at all (one multi-pattern scan), applies
// those in order, and after each rewrite looks for new occurrences only in
// a window around the rewritten text.
//
// Why the window suffices: take an occurrence O of a later rule k of the
// stage that exists when k's turn comes. If no rewrite of the stage touched
// the bytes of O (or closed a gap inside it), O was in the piece when the
// stage began and the first scan saw it. Otherwise let j be the last rule
// before k whose rewrite touched O: right after j, O already stood as it
// will at k's turn, and it overlaps j's rewritten region, so it lies within
// the stage's longest pattern's length of that region, where the scan after
// j looked. The candidates are therefore a superset of the rules that
// match; a candidate whose occurrences were destroyed meanwhile simply
// finds nothing.
#ifndef MIKAWASE_RULE_PROGRAM_H_
#define MIKAWASE_RULE_PROGRAM_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <initializer_list>
#include <vector>

#include "fast/aho_corasick.h"
#include "fast/flat_array.h"
#include "fast/program_image.h"
#include "fast/token_index.h"

namespace mikawase {

class RuleProgram {
 public:
  // Collects the rules in order. Their text is kept in one buffer: with
  // real dictionaries a program holds tens of thousands of short rules, and
  // a string apiece would cost more to build than the translation itself.
  class Builder {
   public:
    // A rule whose pattern and replacement are the concatenations of the
    // parts given. `by_word` marks a dictionary's whole-word rule, found
    // through the token index rather than the automaton.
    void Add(std::initializer_list<std::string_view> find,
             std::initializer_list<std::string_view> replace, bool by_word = false);

    // Starts a new stage: a table or a dictionary. Rules are looked for one
    // stage at a time, each with its own small matcher, so that a rule is
    // only tried if it occurs in the text as it stands when its stage
    // begins, or in what its stage wrote since.
    void BeginStage() { stage_starts_.push_back(static_cast<std::uint32_t>(spans_.size())); }

   private:
    friend class RuleProgram;
    std::vector<std::uint32_t> stage_starts_;
    // Numbers rather than bools for the flags: every byte of a rule is then
    // a value, so rules can be saved and used in place as they are.
    struct Span {
      std::uint32_t find_at, find_size, replace_at, replace_size;
      std::uint16_t by_word;
      // Set when no later pattern of the rule's stage holds any character
      // of the replacement (RuleProgram fills it in; see
      // MarkRulesThatMakeNoMatch).
      std::uint16_t makes_no_match;
    };
    std::vector<char> text_;
    std::vector<Span> spans_;
  };

  explicit RuleProgram(Builder built);
  RuleProgram(const RuleProgram&) = delete;
  RuleProgram& operator=(const RuleProgram&) = delete;

  // What a run saw happen at the two ends of its text, for running a long
  // text word by word (word_windows.h): which rules rewrote an occurrence
  // that takes the first byte or the last, whether such a rewrite left no
  // space there, and the versions of the first and last word (the text
  // between the end spaces and the next space inward) that stood when a
  // rule with a space inside its pattern had its turn: only such a rule can
  // match across the space between two words. So too the last two words
  // and the space between them, where the text holds two. Rule numbers are
  // in increasing order.
  struct EdgeTrace {
    // Every version a word went through. A trace is meant to be kept and
    // cleared between runs: its strings are then reused rather than made
    // again at each rewrite (a word spelt out letter by letter goes through
    // a dozen versions, most too long to be kept inline). Only a repeat of
    // the latest version is left out: a word that comes back to an earlier
    // spelling is listed twice, which costs a check more and loses nothing,
    // where looking through every version at every rewrite cost a dozen.
    class WordVersions {
     public:
      void Add(std::string_view word) {
        if (count_ > 0 && words_[count_ - 1] == word) return;
        if (count_ == words_.size()) words_.emplace_back();
        words_[count_++].assign(word);
      }
      void clear() { count_ = 0; }
      std::size_t size() const { return count_; }
      std::vector<std::string>::const_iterator begin() const { return words_.begin(); }
      std::vector<std::string>::const_iterator end() const {
        return words_.begin() + static_cast<std::ptrdiff_t>(count_);
      }

     private:
      std::vector<std::string> words_;
      std::size_t count_ = 0;
    };

    std::vector<std::uint32_t> at_start, at_end;
    bool start_lost = false, end_lost = false;
    WordVersions first_words, last_words, last_two_words;

    void Clear() {
      at_start.clear();
      at_end.clear();
      start_lost = end_lost = false;
      first_words.clear();
      last_words.clear();
      last_two_words.clear();
    }
  };

  // Working memory for Run, kept by the caller from run to run (one per
  // thread, in its translation session): a min-heap of the rules still to
  // try, and a stamp per rule that says whether it is queued for the
  // current piece, read only while the heap holds many. It is owned, never
  // a thread-local static: the Windows runtime tears such objects down in
  // an order that let a thread or the exit path read one already freed.
  // Any program may use any workspace.
  struct Workspace {
    std::vector<std::uint32_t> heap;
    // From calloc, not a zero-filled vector: a program holds a stamp for
    // each of hundreds of thousands of rules, a piece queues a few of them,
    // and the system's zeroed pages cost nothing until one is written. Two
    // bytes each, as the allocator may still clear them itself: clearing
    // them all again when the count wraps, once in 65,535 runs, costs less
    // than twice the pages at every start.
    using Stamp = std::uint16_t;
    struct Free {
      void operator()(Stamp* stamps) const { std::free(stamps); }
    };
    std::unique_ptr<Stamp[], Free> stamp;
    std::size_t stamps = 0;
    Stamp generation = 0;
    // A word's run queues a rule or two at a time: with fewer than this in
    // the heap, a rule is looked for in the heap itself, and the stamps
    // (a megabyte and more, one cache miss a rule) are left alone. Only
    // the heap matters: a rule taken from it has had its turn, and every
    // later call to Queue is for rules after it (its `first_rule`), so it
    // is refused before any look. Once the heap holds this many, its rules
    // are stamped (`all_stamped`) and the stamps decide until it holds
    // fewer again.
    static constexpr std::size_t kFewQueued = 16;
    bool all_stamped = false;
    std::vector<std::size_t> hits;
    std::string buffer;

    void Begin(std::size_t rules);
  };

  // Applies every rule once, in order. Returns false, leaving `piece` in an
  // unspecified state, when the piece would grow past `limit` bytes;
  // otherwise raises *peak to the largest size the piece reached. With a
  // trace, the piece must begin and end with a space.
  bool Run(std::string& piece, std::size_t limit, std::size_t* peak, Workspace& workspace,
           EdgeTrace* trace = nullptr) const;

  // True when `byte` occurs in some rule's pattern. A byte that occurs in
  // none is never matched, never rewritten and never spanned by a match, so
  // the text on either side of it can be run separately.
  bool InSomePattern(unsigned char byte) const { return in_pattern_[byte]; }

  // The first rule from `rule` on (at most size()) whose pattern has a
  // space that is neither its first byte nor its last, or size() when none
  // has: only such a pattern can match across the space between two words.
  std::size_t NextWithSpaceInside(std::size_t rule) const { return next_space_inside_[rule]; }

  std::size_t size() const { return rules_.size(); }
  std::string_view pattern(std::size_t rule) const { return Find(rules_[rule]); }
  // Every pattern and replacement lies in this text.
  std::string_view text() const { return std::string_view(text_.data(), text_.size()); }

  // The program as an image, and back, its arrays viewed in place. Load
  // checks that every rule lies in the text and that every table stays
  // inside its stage, and throws BadImage where one does not.
  void Save(ImageWriter& image) const;
  static std::unique_ptr<RuleProgram> Load(ImageReader& image);

 private:
  // Rules stay as the builder wrote them, offsets into text_: tens of
  // thousands of them, and a copy as string views would be another few
  // megabytes of fresh memory at every compilation.
  using Rule = Builder::Span;
  std::string_view Find(const Rule& rule) const {
    return text().substr(rule.find_at, rule.find_size);
  }
  std::string_view Replace(const Rule& rule) const {
    return text().substr(rule.replace_at, rule.replace_size);
  }
  // A dictionary's whole-word rules (nearly all of its rules) are found by
  // the first space-delimited token of their pattern (or the first two,
  // see BuildStage) in a hash table: building that for tens of thousands
  // of lines costs far less than an automaton. Every other rule goes through the stage's automaton. Rule
  // numbers inside a stage count from its first rule.
  struct Stage {
    std::uint32_t begin = 0, end = 0;
    std::size_t longest_find = 0;
    TokenIndex by_word_key;
    FlatArray<std::uint32_t> first_rule_of_pattern;   // automaton pattern -> first rule
    FlatArray<std::uint32_t> next_rule_same_pattern;  // rule -> next rule with its pattern
    std::unique_ptr<AhoCorasick> matcher;
  };

  RuleProgram() = default;
  void BuildStage(Stage& stage);
  class CharacterSet;
  void MarkRulesThatMakeNoMatch(const Stage& stage, CharacterSet& seen, CharacterSet& seen_apart);
  void SaveStage(const Stage& stage, ImageWriter& image) const;
  Stage LoadStage(ImageReader& image) const;
  void CheckLoadedRules() const;
  void FindSpacesInside();
  void Collect(const Stage& stage, std::string_view text, std::size_t begin, std::size_t end,
               std::uint32_t first_rule, Workspace& scratch) const;
  static void Queue(std::uint32_t rule, std::uint32_t first_rule, Workspace& scratch);

  FlatArray<char> text_;
  FlatArray<Rule> rules_;
  std::array<bool, 256> in_pattern_{};  // copied when loaded: 256 bytes
  // NextWithSpaceInside for each rule and for size(): a trace need not
  // keep the versions of its end words that stand only between such rules'
  // turns. Spelling a word out letter by letter goes through a dozen
  // versions, nearly all of them between two such turns.
  FlatArray<std::uint32_t> next_space_inside_;
  std::vector<Stage> stages_;
};

}  // namespace mikawase

#endif  // MIKAWASE_RULE_PROGRAM_H_
