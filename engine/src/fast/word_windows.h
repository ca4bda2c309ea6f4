// Running the rules after lowercasing word by word, with every word's
// result remembered.
//
// Real text repeats its words endlessly, and most rules only ever rewrite
// within one word and the spaces around it. A piece " u1 u2 ... un " is cut
// at its spaces into windows " u1 ", " u2 ", ..., neighbours sharing the
// space between them, and each window is run alone (and remembered by its
// text). The joined results are the piece's result whenever, for every pair
// of neighbours, three things hold; where one might not, the two windows
// are joined into one and run together, up to the whole piece.
//
// Why that is exact. Suppose that when rule k's turn comes every window of
// the piece still stands as it stands in its own run: its first and last
// byte are the shared spaces. An occurrence of k's pattern in the piece
// either lies inside one window (possibly using its end spaces) or has a
// shared space strictly inside it. (1) The second kind cannot happen: it
// would join the last word of one window to the first word of the next
// around a space, and only a pattern with a space inside it can do that;
// each window's run records every version of its end words (and of its
// last two) that stood at the turn of such a rule, and we check the
// versions of the two words against those patterns. Where the pattern's
// left word has a whole word before it in the pattern, the check takes
// both: take the leftmost shared space that an occurrence would have
// inside it; the occurrence's words before that space lie within the left
// window, so the window's last two words are those two.
// (2) ReplaceAll takes the leftmost occurrence and carries on after it.
// So within a window it picks what the window's own run picks, as long as
// it enters the window where that run starts, at the shared space. It
// enters just past that space only when the previous window's last hit
// took it, which changes nothing unless the window's own run also has a
// hit on that space: no rule may, in one pass, take the last byte of one
// window and the first byte of the next. (3) A rewrite that takes a shared
// space gives it back: the replacement of a hit at a window's edge starts
// (or ends) with a space, so each window again begins and ends with the
// space it shares, and the induction goes on to rule k + 1.
//
// The growth guard is kept by an upper bound: the piece is never larger
// than the sum of its windows' peaks. Nearer the limit than that, and for
// anything else out of the ordinary, the caller runs the piece whole.
#ifndef MIKAWASE_WORD_WINDOWS_H_
#define MIKAWASE_WORD_WINDOWS_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fast/aho_corasick.h"
#include "fast/flat_array.h"
#include "fast/hash_set.h"
#include "fast/program_image.h"
#include "fast/rule_program.h"
#include "fast/token_index.h"

namespace mikawase {

class WordWindows {
  class Memo;
  class MemoPool;
  struct Workspace;

 public:
  // Reads the patterns of `program`, which must outlive this. With
  // `remove_spaces`, every ASCII space is removed from each window's result:
  // the last rule of all, kept out of the program since it would join
  // every window to its neighbours.
  WordWindows(const RuleProgram& program, bool remove_spaces);
  // The same from an image that Save wrote for `program`, its tables viewed
  // in place; throws BadImage when the image does not fit.
  WordWindows(const RuleProgram& program, bool remove_spaces, ImageReader& image);
  ~WordWindows();
  WordWindows(const WordWindows&) = delete;
  WordWindows& operator=(const WordWindows&) = delete;

  // What one thread remembers while it translates, and the working memory
  // it translates in. Translations with the same rules hand what they
  // learnt on to the next.
  class Session {
   public:
    explicit Session(const WordWindows& windows);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs the program over `text` window by window. Returns false, with
    // `text` unchanged, when the piece must be run whole: it does not begin
    // and end with a space, its windows would join into one too long, or
    // it might pass `limit`.
    bool Run(std::string& text, std::size_t limit, std::size_t* peak);

    // For the rule programs this thread runs outside the windows.
    RuleProgram::Workspace& rules();

   private:
    const WordWindows& windows_;
    std::unique_ptr<Memo> memo_;
    std::unique_ptr<Workspace> workspace_;
  };

  struct Result;  // one window's run, remembered
  struct Detail;  // its edges, which only an unusual pair of neighbours reads

  void Save(ImageWriter& image) const;

 private:
  bool Run(Memo& memo, Workspace& work, std::string& text, std::size_t limit,
           std::size_t* peak) const;
  const Result* Lookup(Memo& memo, Workspace& work, std::string_view inside,
                       std::size_t limit) const;
  bool MayInteract(Memo& memo, Workspace& work, const Result& left, const Result& right) const;
  bool InteractInDetail(const Detail& left, const Detail& right, bool may_share_a_rule,
                        bool may_be_exact_pair, std::string& pair) const;

  const RuleProgram& program_;
  bool remove_spaces_;
  std::unique_ptr<MemoPool> pool_;
  bool usable_ = true;
  // The patterns' inner spaces, as the two words that meet there. Where a
  // space inside the pattern bounds both words, they must be whole words of
  // the text ("exact"); at a pattern's ends only part of a word need match
  // ("loose"), which an automaton over "left right" decides. Exact pairs
  // are known by their hashes: two windows are joined when theirs may be
  // one, never kept apart when it is.
  // Used as sets, views into the program, and asked without reading their
  // words (ForEachLikely): a yes for a word of the same hash only joins.
  TokenIndex exact_lefts_, exact_rights_;
  HashSet exact_pairs_;  // TokenIndex::Hash of each "left right"
  // By the number of a right word in exact_rights_: the PartnerBit of
  // every left word it is paired with.
  FlatArray<std::uint64_t> right_partners_;
  std::uint64_t RightPartners(std::string_view first_word) const;
  std::unique_ptr<AhoCorasick> loose_;
  std::size_t loose_count_ = 0;  // its patterns: what an image of it must say
  // The bytes next to the space in the loose patterns. A first word that
  // starts with none that follows it continues no loose pattern across the
  // space before it; a last word that ends with none that precedes it opens
  // none, unless a pattern starts with the space.
  static constexpr std::uint8_t kFollowsSpace = 1, kPrecedesSpace = 2;
  std::array<std::uint8_t, 256> loose_space_neighbours_{};
  bool loose_starts_with_space_ = false;
  bool MayContinueLoose(std::string_view first_word) const {
    return !first_word.empty() && (LooseSpaceNeighbour(first_word.front()) & kFollowsSpace) != 0;
  }
  bool MayOpenLoose(std::string_view last_word) const {
    return loose_starts_with_space_ ||
           (!last_word.empty() && (LooseSpaceNeighbour(last_word.back()) & kPrecedesSpace) != 0);
  }
  std::uint8_t LooseSpaceNeighbour(char byte) const {
    return loose_space_neighbours_[static_cast<unsigned char>(byte)];
  }
};

}  // namespace mikawase

#endif  // MIKAWASE_WORD_WINDOWS_H_
