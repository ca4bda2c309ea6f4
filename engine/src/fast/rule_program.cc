#include "fast/rule_program.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <new>
#include <unordered_map>
#include <unordered_set>

#include "error_messages.h"
#include "util/byte_blocks.h"

namespace mikawase {

namespace {

// The first word of a whole-word pattern " X ... ": X up to its first space
// (empty when X starts with one).
std::string_view FirstWord(std::string_view find) {
  std::string_view inner = find.substr(1);
  return inner.substr(0, inner.find(' '));
}

// Whether a whole-word pattern that starts with `first_word` holds more
// words after it.
bool HoldsMoreWords(std::string_view find, std::string_view first_word) {
  return find.size() > first_word.size() + 2;
}

// The first two words of a whole-word pattern of several, with the space
// between them: "do not" for " do not ".
std::string_view FirstTwoWords(std::string_view find) {
  std::string_view inner = find.substr(1);
  return inner.substr(0, inner.find(' ', inner.find(' ') + 1));
}

// The key two words are found by in a stage's index: themselves, or
// without the last "s" of a second word of two bytes or more. A noun's
// file makes each line two rules, " key " and " key" + "s ", and a key of
// several words would otherwise be two tokens: hundreds of thousands in
// noun.txt, a table twice the size to map, checksum and miss the cache in.
// Both forms of a key then share one chain of rules, and every rule
// found is compared whole with the text.
std::string_view TwoWordKey(std::string_view two_words) {
  std::size_t space = two_words.find(' ');
  bool plural = space != std::string_view::npos && two_words.size() >= space + 3 &&
                two_words.back() == 's';
  return plural ? two_words.substr(0, two_words.size() - 1) : two_words;
}

bool IsWholeWordPattern(std::string_view find) {
  return find.size() >= 2 && find.front() == ' ' && find.back() == ' ';
}

// The first occurrence of `find`, two bytes or more, in `text` from `from`
// on, or npos, for a pattern whose first byte is common: the spacing rules'
// and the dictionaries' whole-word patterns begin with a space, of which a
// line holds dozens, and the standard search stops at every one of them
// with a call to compare the rest. Here the first two bytes are looked for
// together, eight places at a time (on a little-endian machine).
std::size_t SearchByFirstPair(std::string_view text, std::string_view find, std::size_t from) {
  const std::size_t size = find.size();
  const std::size_t last_start = text.size() - size;
  auto matches_at = [&](std::size_t at) {
    return text[at] == find[0] && text[at + 1] == find[1] &&
           std::memcmp(text.data() + at + 2, find.data() + 2, size - 2) == 0;
  };
  std::size_t at = from;
  if constexpr (std::endian::native == std::endian::little) {
    const std::uint64_t first = kEveryByte * static_cast<unsigned char>(find[0]);
    const std::uint64_t second = kEveryByte * static_cast<unsigned char>(find[1]);
    // Blocks of eight starts, each with the byte after it; the last block
    // is read from a padded copy, so that short texts need no byte loop.
    for (; at <= last_start; at += 8) {
      std::uint64_t here, next;
      if (at + 9 <= text.size()) {
        here = LoadBlock(text.data() + at);
        next = LoadBlock(text.data() + at + 1);
      } else {
        char tail[16] = {};
        std::memcpy(tail, text.data() + at, text.size() - at);
        here = LoadBlock(tail);
        next = LoadBlock(tail + 1);
      }
      // A zero byte in `differ` is a start; every candidate is checked.
      std::uint64_t differ = (here ^ first) | (next ^ second);
      for (std::uint64_t zero = ZeroByteFlags(differ); zero != 0; zero &= zero - 1) {
        std::size_t start = at + FirstFlaggedByte(zero);
        if (start > last_start) return std::string_view::npos;
        if (matches_at(start)) return start;
      }
    }
    return std::string_view::npos;
  }
  for (; at <= last_start; ++at) {
    if (matches_at(at)) return at;
  }
  return std::string_view::npos;
}

// The first occurrence of `find` (not empty) in `text` from `from` on, or
// npos. Other first bytes are rare enough for memchr, which the standard
// search uses, to pass over the text between them.
std::size_t Search(std::string_view text, std::string_view find, std::size_t from) {
  if (text.size() < find.size() || from > text.size() - find.size()) return std::string_view::npos;
  if (find.size() >= 2 && find[0] == ' ') return SearchByFirstPair(text, find, from);
  return text.find(find, from);
}

// Text shorter than two bytes no longer has a space at each end of its own.
void NoteTooShort(std::string_view text, RuleProgram::EdgeTrace& trace) {
  if (text.size() < 2) trace.start_lost = trace.end_lost = true;
}

// Records the end words of `text` as it stands, while both end spaces last.
void NoteEndWords(std::string_view text, RuleProgram::EdgeTrace& trace) {
  if (trace.start_lost || trace.end_lost) return;
  std::size_t first_end = text.find(' ', 1);
  std::size_t last_begin = text.rfind(' ', text.size() - 2) + 1;
  trace.first_words.Add(text.substr(1, first_end - 1));
  trace.last_words.Add(text.substr(last_begin, text.size() - 1 - last_begin));
  if (last_begin >= 2) {  // the space before the last word is not the first byte
    std::size_t before = text.rfind(' ', last_begin - 2) + 1;
    trace.last_two_words.Add(text.substr(before, text.size() - 1 - before));
  }
}

// Before rule `index` rewrites `text` at `hits`: does it take either end?
// Only the hits count. An occurrence at the end that lost to an overlapping
// hit loses the same way when a neighbour follows, since the text before it
// decides; the scan then goes on into the neighbour as it would alone.
void NoteEndRewrites(std::string_view text, std::string_view find, std::string_view replace,
                     std::uint32_t index, const std::vector<std::size_t>& hits,
                     RuleProgram::EdgeTrace& trace) {
  if (hits.front() == 0) {
    trace.at_start.push_back(index);
    if (replace.empty() || replace.front() != ' ') trace.start_lost = true;
  }
  if (hits.back() + find.size() == text.size()) {
    trace.at_end.push_back(index);
    if (replace.empty() || replace.back() != ' ') trace.end_lost = true;
  }
}

}  // namespace

void RuleProgram::Builder::Add(std::initializer_list<std::string_view> find,
                               std::initializer_list<std::string_view> replace, bool by_word) {
  auto append = [&](std::initializer_list<std::string_view> parts, std::uint32_t* at,
                    std::uint32_t* size) {
    std::size_t start = text_.size();
    for (std::string_view part : parts) text_.insert(text_.end(), part.begin(), part.end());
    if (text_.size() > std::numeric_limits<std::uint32_t>::max()) {
      throw TooLargeError("their rules hold more than 4 GiB of text");
    }
    *at = static_cast<std::uint32_t>(start);
    *size = static_cast<std::uint32_t>(text_.size() - start);
  };
  Span span{};
  append(find, &span.find_at, &span.find_size);
  append(replace, &span.replace_at, &span.replace_size);
  // A noun's plural rule has its singular's value: kept once, as the cache
  // file is read through at every start.
  if (!spans_.empty() && spans_.back().replace_size == span.replace_size &&
      std::equal(text_.begin() + span.replace_at, text_.end(),
                 text_.begin() + spans_.back().replace_at)) {
    text_.resize(span.replace_at);
    span.replace_at = spans_.back().replace_at;
  }
  span.by_word = by_word;
  span.makes_no_match = false;
  spans_.push_back(span);
}

void RuleProgram::Workspace::Begin(std::size_t rules) {
  heap.clear();
  all_stamped = false;
  if (stamps < rules) {
    // The old stamps are of earlier runs: none need be kept.
    stamp.reset(static_cast<Stamp*>(std::calloc(rules, sizeof(Stamp))));
    if (!stamp) {
      stamps = 0;
      throw std::bad_alloc();
    }
    stamps = rules;
  }
  if (++generation == 0) {  // wrapped: clear the stamps once
    std::fill(stamp.get(), stamp.get() + stamps, Stamp{0});
    generation = 1;
  }
}

// Characters, as their bytes packed into a number: a bit for each of up to
// three bytes, a hash set for the rare longer ones. A dictionary stage
// asks about every character of a hundred thousand values, which a hash
// set alone took most of a compilation's time to answer. Made once for
// every stage (2 MB), and emptied word by word. The bits come from calloc,
// not a zero-filled vector: the system hands out zeroed pages, and only the
// few a program's characters fall in are ever touched. Filled with memset,
// every start paid 4 MB of writes and a thousand page faults for the two
// small built-in programs alone.
class RuleProgram::CharacterSet {
 public:
  CharacterSet() : bits_(static_cast<std::uint64_t*>(std::calloc(kShortEnd / 64, sizeof(std::uint64_t)))) {
    if (!bits_) throw std::bad_alloc();
  }
  bool Holds(std::uint32_t character) const {
    if (character >= kShortEnd) return long_ones_.contains(character);
    return (bits_[character >> 6] >> (character & 63) & 1) != 0;
  }
  void Add(std::uint32_t character) {
    if (character >= kShortEnd) {
      long_ones_.insert(character);
      return;
    }
    std::uint64_t& word = bits_[character >> 6];
    if (word == 0) used_.push_back(character >> 6);
    word |= std::uint64_t{1} << (character & 63);
  }
  void Clear() {
    for (std::uint32_t word : used_) bits_[word] = 0;
    used_.clear();
    long_ones_.clear();
  }

 private:
  static constexpr std::uint32_t kShortEnd = 1u << 24;
  struct Free {
    void operator()(std::uint64_t* bits) const { std::free(bits); }
  };
  std::unique_ptr<std::uint64_t[], Free> bits_;
  std::vector<std::uint32_t> used_;
  std::unordered_set<std::uint32_t> long_ones_;
};

RuleProgram::RuleProgram(Builder built) {
  text_ = std::move(built.text_);
  rules_ = std::move(built.spans_);
  std::vector<std::uint32_t> starts = std::move(built.stage_starts_);
  if (starts.empty() || starts.front() != 0) starts.insert(starts.begin(), 0);
  stages_.resize(starts.size());
  CharacterSet seen, seen_apart;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    stages_[i].begin = starts[i];
    stages_[i].end = i + 1 < starts.size() ? starts[i + 1] : static_cast<std::uint32_t>(rules_.size());
    BuildStage(stages_[i]);
    MarkRulesThatMakeNoMatch(stages_[i], seen, seen_apart);
  }
  FindSpacesInside();
}

void RuleProgram::FindSpacesInside() {
  std::vector<std::uint32_t> next(rules_.size() + 1);
  next.back() = static_cast<std::uint32_t>(rules_.size());
  for (std::size_t rule = rules_.size(); rule-- > 0;) {
    std::string_view find = Find(rules_[rule]);
    bool inside = find.size() > 2 && find.substr(1, find.size() - 2).find(' ') != std::string_view::npos;
    next[rule] = inside ? static_cast<std::uint32_t>(rule) : next[rule + 1];
  }
  next_space_inside_ = std::move(next);
}

// Once a rule has rewritten, its stage looks for new occurrences of later
// rules around what it wrote; for most spelling and punctuation rules
// nothing can be there. The text and every pattern are valid UTF-8, so an
// occurrence begins and ends between characters, and one that overlaps a
// replacement holds a whole character of it. When no later pattern of the
// stage holds any character of a non-empty replacement, every later
// occurrence after the rewrite lies within the text on one side of a
// replacement, unchanged and unbroken, and so was there before the
// rewrite, and was found then. (An empty replacement joins its two sides,
// and may make a match across them.) Earlier rules have had their turn:
// the look around would not take them again whatever it found.
//
// A dictionary's whole-word rule " key " -> " value " writes a space where
// a space was at either end, and every pattern holds spaces. An occurrence
// that overlaps such a replacement in its first byte alone, or its last
// alone, holds that space and text from one side only, as it did before
// the rewrite; any other overlap holds a character of "value" (when there
// is one). So for such a rule only the characters between the end spaces
// count.
//
// And of the later patterns that are whole words themselves (" w1 w2 ",
// no two spaces together), only their words count. Such an occurrence's
// spaces stand on the text's spaces, so a byte of "value" that is not a
// space lies in one of its words, bounded by spaces on both sides, which
// "value"'s end spaces bound as well: that word of the pattern is a whole
// word of "value". An overlap of spaces alone would need two together in
// the pattern, or a pattern of one byte. Dictionaries write kana and kanji
// that their own keys hold ("の", the placeholders' kanji in "〓否"), and
// by characters alone nearly every rewrite of noun.txt was looked around
// again, in vain: a third of the lookups of a word's run.
namespace {

bool KeepsEndSpaces(std::string_view find, std::string_view replace) {
  return !find.empty() && find.front() == ' ' && find.back() == ' ' && replace.size() > 2 &&
         replace.front() == ' ' && replace.back() == ' ';
}

std::string_view WhatARewriteMayShow(std::string_view find, std::string_view replace) {
  return KeepsEndSpaces(find, replace) ? replace.substr(1, replace.size() - 2) : replace;
}

// A whole-word pattern whose words can be told apart: an occurrence of it
// overlaps another text's words only in whole words.
bool HasWholeWords(std::string_view find) {
  return IsWholeWordPattern(find) && find.size() > 2 && find.find("  ") == std::string_view::npos;
}

// Calls visit(word) for each word of `text` between its spaces, until it
// returns false; returns whether none did.
template <typename Visit>
bool EveryWord(std::string_view text, Visit&& visit) {
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find(' ', at);
    if (end == std::string_view::npos) end = text.size();
    if (end > at && !visit(text.substr(at, end - at))) return false;
    at = end + 1;
  }
  return true;
}

}  // namespace

void RuleProgram::MarkRulesThatMakeNoMatch(const Stage& stage, CharacterSet& seen,
                                           CharacterSet& seen_apart) {
  // Characters as their bytes, packed into a number.
  auto for_each_character = [](std::string_view text, auto&& visit) {
    for (std::size_t at = 0; at < text.size();) {
      std::uint32_t packed = static_cast<unsigned char>(text[at]);
      if (packed < 0x80) {  // most of a dictionary's keys
        if (!visit(packed)) return false;
        ++at;
        continue;
      }
      std::size_t end = at + 1;
      while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        packed = packed << 8 | static_cast<unsigned char>(text[end++]);
      }
      if (!visit(packed)) return false;
      at = end;
    }
    return true;
  };
  // From the last rule back: the characters of the patterns after it
  // (`seen`), those of the patterns after it that are not of whole words
  // (`seen_apart`), and the words of those that are, by their hashes (two
  // words of one hash only cost a look around that finds nothing).
  seen.Clear();
  seen_apart.Clear();
  std::unordered_set<std::uint64_t> words;
  auto unseen = [](const CharacterSet& set) {
    return [&set](std::uint32_t character) { return !set.Holds(character); };
  };
  for (std::uint32_t rule = stage.end; rule-- > stage.begin;) {
    std::string_view find = Find(rules_[rule]), replace = Replace(rules_[rule]);
    std::string_view shown = WhatARewriteMayShow(find, replace);
    if (shown.empty()) {
      rules_[rule].makes_no_match = false;
    } else if (KeepsEndSpaces(find, replace)) {
      rules_[rule].makes_no_match =
          for_each_character(shown, unseen(seen_apart)) &&
          EveryWord(shown, [&](std::string_view word) { return !words.contains(TokenIndex::Hash(word)); });
    } else {
      rules_[rule].makes_no_match = for_each_character(shown, unseen(seen));
    }
    bool whole_words = HasWholeWords(find);
    for_each_character(find, [&](std::uint32_t character) {
      seen.Add(character);
      if (!whole_words) seen_apart.Add(character);
      return true;
    });
    if (whole_words) {
      EveryWord(find, [&](std::string_view word) {
        words.insert(TokenIndex::Hash(word));
        return true;
      });
    }
  }
}

void RuleProgram::BuildStage(Stage& stage) {
  std::size_t count = stage.end - stage.begin;
  std::size_t word_rules = 0;
  for (std::uint32_t rule = stage.begin; rule < stage.end; ++rule) word_rules += rules_[rule].by_word;
  stage.by_word_key = TokenIndex(text_.data());
  if (word_rules > 0) stage.by_word_key.Reserve(word_rules, count);
  stage.next_rule_same_pattern.assign(count, TokenIndex::kNone);

  std::unordered_map<std::string_view, std::uint32_t> pattern_index;
  std::vector<std::uint32_t> last_rule_of_pattern;
  std::vector<std::string_view> patterns;
  // Whole-word rules are indexed by their first word, except that of
  // those with several words only the first for each first word is: the
  // others by their first two words (see Collect). Dictionaries hold
  // thousands of keys that share a first word ("never like", "never liked",
  // ...), and each occurrence of that word would be compared with all of
  // them.
  std::unordered_set<std::string_view> leading_rule_for;  // first words that have one
  constexpr std::uint32_t kPrefetchAhead = 8;
  for (std::uint32_t local = 0; local < count; ++local) {
    if (local + kPrefetchAhead < count && rules_[stage.begin + local + kPrefetchAhead].by_word) {
      std::string_view ahead = Find(rules_[stage.begin + local + kPrefetchAhead]);
      if (IsWholeWordPattern(ahead)) stage.by_word_key.Prefetch(FirstWord(ahead));
    }
    std::string_view find = Find(rules_[stage.begin + local]);
    // An empty pattern changes nothing and is never a candidate.
    if (find.empty()) continue;
    stage.longest_find = std::max(stage.longest_find, find.size());
    for (unsigned char c : find) in_pattern_[c] = true;
    if (rules_[stage.begin + local].by_word && IsWholeWordPattern(find)) {
      std::string_view first = FirstWord(find);
      bool leads = HoldsMoreWords(find, first) && !leading_rule_for.insert(first).second;
      stage.by_word_key.Add(leads ? TwoWordKey(FirstTwoWords(find)) : first, local);
      continue;
    }
    auto [it, inserted] =
        pattern_index.try_emplace(find, static_cast<std::uint32_t>(patterns.size()));
    if (inserted) {
      patterns.push_back(find);
      stage.first_rule_of_pattern.push_back(local);
      last_rule_of_pattern.push_back(local);
    } else {
      stage.next_rule_same_pattern[last_rule_of_pattern[it->second]] = local;
      last_rule_of_pattern[it->second] = local;
    }
  }
  stage.by_word_key.ShrinkToFit();
  if (!patterns.empty()) {
    stage.matcher = std::make_unique<AhoCorasick>(patterns);
  } else {
    // A dictionary of whole words has none: its chains would be a
    // number per rule (two megabytes for noun.txt) to keep, checksum and
    // check at every start, and never read.
    stage.next_rule_same_pattern = FlatArray<std::uint32_t>();
  }
}

void RuleProgram::Queue(std::uint32_t rule, std::uint32_t first_rule, Workspace& scratch) {
  if (rule < first_rule) return;
  std::vector<std::uint32_t>& heap = scratch.heap;
  if (heap.size() < Workspace::kFewQueued) {
    if (std::find(heap.begin(), heap.end(), rule) != heap.end()) return;
    scratch.all_stamped = false;
  } else {
    if (!scratch.all_stamped) {
      for (std::uint32_t queued : heap) scratch.stamp[queued] = scratch.generation;
      scratch.all_stamped = true;
    }
    if (scratch.stamp[rule] == scratch.generation) return;
    scratch.stamp[rule] = scratch.generation;
  }
  scratch.heap.push_back(rule);
  std::push_heap(scratch.heap.begin(), scratch.heap.end(), std::greater<>());
}

void RuleProgram::Collect(const Stage& stage, std::string_view text, std::size_t begin,
                          std::size_t end, std::uint32_t first_rule, Workspace& scratch) const {
  if (stage.matcher) {
    stage.matcher->Scan(text.substr(begin, end - begin), [&](std::uint32_t pattern) {
      for (std::uint32_t local = stage.first_rule_of_pattern[pattern]; local != TokenIndex::kNone;
           local = stage.next_rule_same_pattern[local]) {
        Queue(stage.begin + local, first_rule, scratch);
      }
    });
  }
  if (stage.by_word_key.empty()) return;
  // A whole-word pattern is at least two bytes: a space that ends the text
  // starts none. The rules of a first word that stands here are found by
  // it; when one of them holds more words, the others that do are found
  // by the first two words that stand here, which they need with a space
  // after.
  auto queue_standing = [&](std::size_t at, std::string_view key) {
    bool more_words = false;
    for (std::uint32_t local = stage.by_word_key.First(key); local != TokenIndex::kNone;
         local = stage.by_word_key.Next(local)) {
      std::string_view find = Find(rules_[stage.begin + local]);
      more_words |= HoldsMoreWords(find, key);
      // Only a rule whose whole pattern stands here now. A whole-word
      // pattern ends with a space, so the text must hold one where it would
      // end: told from the text alone, without reading the pattern's bytes,
      // which lie anywhere in the program's megabytes of text.
      std::size_t past = at + find.size();
      if (!find.empty() && past <= text.size() && text[past - 1] == ' ' &&
          text.compare(at, find.size(), find) == 0) {
        Queue(stage.begin + local, first_rule, scratch);
      }
    }
    return more_words;
  };
  if (text.size() < 2) return;
  // From space to space: after a dictionary's rewrite the text is mostly
  // the bytes of kana and kanji, three to a character.
  const std::size_t stop = std::min(end, text.size() - 1);
  for (std::size_t at = begin; at < stop; ++at) {
    const void* space = std::memchr(text.data() + at, ' ', stop - at);
    if (space == nullptr) break;
    at = static_cast<std::size_t>(static_cast<const char*>(space) - text.data());
    std::size_t first_end = text.find(' ', at + 1);
    if (first_end == std::string_view::npos) first_end = text.size();
    if (!queue_standing(at, text.substr(at + 1, first_end - at - 1))) continue;
    if (first_end + 1 >= text.size()) continue;
    std::size_t second_end = text.find(' ', first_end + 1);
    if (second_end == std::string_view::npos) continue;
    queue_standing(at, TwoWordKey(text.substr(at + 1, second_end - at - 1)));
  }
}

bool RuleProgram::Run(std::string& piece, std::size_t limit, std::size_t* peak,
                      Workspace& scratch, EdgeTrace* trace) const {
  scratch.Begin(rules_.size());
  if (piece.size() > limit) return false;
  *peak = std::max(*peak, piece.size());
  // The end words as they stand now have not been recorded for the turns
  // of the rules from this one on.
  std::uint32_t unrecorded_from = 0;
  if (trace) NoteTooShort(piece, *trace);

  for (const Stage& stage : stages_) {
    if (stage.begin == stage.end) continue;
    Collect(stage, piece, 0, piece.size(), stage.begin, scratch);
    while (!scratch.heap.empty()) {
      std::pop_heap(scratch.heap.begin(), scratch.heap.end(), std::greater<>());
      std::uint32_t index = scratch.heap.back();
      scratch.heap.pop_back();
      const std::string_view find = Find(rules_[index]);
      const std::string_view replace = Replace(rules_[index]);
      // An empty pattern changes nothing (and would be found at every
      // byte without end). No compiled stage offers one, but a loaded
      // image is only checked for what keeps reads in bounds.
      if (find.empty()) continue;

      std::vector<std::size_t>& hits = scratch.hits;
      hits.clear();
      for (std::size_t at = Search(piece, find, 0); at != std::string::npos;
           at = Search(piece, find, at + find.size())) {
        hits.push_back(at);
      }
      if (hits.empty() || find == replace) continue;

      if (trace) {
        // The words as they stand were seen by the turns of the rules up to
        // this one; record them if one of those may match across a space.
        if (next_space_inside_[unrecorded_from] <= index) NoteEndWords(piece, *trace);
        unrecorded_from = index + 1;
        NoteEndRewrites(piece, find, replace, index, hits, *trace);
      }
      std::size_t kept = piece.size() - hits.size() * find.size();
      if (kept > limit ||
          (!replace.empty() && hits.size() > (limit - kept) / replace.size())) {
        return false;
      }
      std::string& out = scratch.buffer;
      out.clear();
      out.reserve(kept + hits.size() * replace.size());
      std::size_t copied_up_to = 0;
      for (std::size_t& at : hits) {
        out.append(piece, copied_up_to, at - copied_up_to);
        copied_up_to = at + find.size();
        at = out.size();  // now: where the replacement starts in the new text
        out.append(replace);
      }
      out.append(piece, copied_up_to);
      piece.swap(out);
      *peak = std::max(*peak, piece.size());
      if (trace) NoteTooShort(piece, *trace);
      // Later stages scan the whole piece when they begin.
      if (index + 1 == stage.end || rules_[index].makes_no_match) continue;

      // Look for new occurrences of this stage's later rules around each
      // rewrite, merging windows that touch.
      std::size_t reach = stage.longest_find;
      std::size_t window_begin = 0, window_end = 0;
      bool open = false;
      for (std::size_t start : hits) {
        std::size_t begin = start > reach ? start - reach : 0;
        std::size_t end = std::min(piece.size(), start + replace.size() + reach);
        if (open && begin <= window_end) {
          window_end = std::max(window_end, end);
          continue;
        }
        if (open) Collect(stage, piece, window_begin, window_end, index + 1, scratch);
        window_begin = begin;
        window_end = end;
        open = true;
      }
      if (open) Collect(stage, piece, window_begin, window_end, index + 1, scratch);
    }
  }
  if (trace && next_space_inside_[unrecorded_from] < rules_.size()) NoteEndWords(piece, *trace);
  return true;
}

// Saving and loading.

void RuleProgram::Save(ImageWriter& image) const {
  image.PutArray(text_.span());
  image.PutArray(rules_.span());
  std::array<std::uint8_t, 256> in_pattern;
  std::copy(in_pattern_.begin(), in_pattern_.end(), in_pattern.begin());
  image.PutArray(std::span<const std::uint8_t>(in_pattern));
  image.PutArray(next_space_inside_.span());
  image.PutNumber(stages_.size());
  for (const Stage& stage : stages_) SaveStage(stage, image);
}

void RuleProgram::SaveStage(const Stage& stage, ImageWriter& image) const {
  image.PutNumber(stage.begin);
  image.PutNumber(stage.end);
  image.PutNumber(stage.longest_find);
  stage.by_word_key.Save(image);
  image.PutArray(stage.first_rule_of_pattern.span());
  image.PutArray(stage.next_rule_same_pattern.span());
  image.PutNumber(stage.matcher ? 1 : 0);
  if (stage.matcher) stage.matcher->Save(image);
}

std::unique_ptr<RuleProgram> RuleProgram::Load(ImageReader& image) {
  std::unique_ptr<RuleProgram> program(new RuleProgram);
  program->text_ = FlatArray<char>::View(image.Array<char>());
  program->rules_ = FlatArray<Rule>::View(image.Array<Rule>());
  program->CheckLoadedRules();
  std::span<const std::uint8_t> in_pattern = image.Array<std::uint8_t>();
  if (in_pattern.size() != program->in_pattern_.size()) throw BadImage("no pattern bytes");
  for (std::size_t byte = 0; byte < in_pattern.size(); ++byte) {
    program->in_pattern_[byte] = in_pattern[byte] != 0;
  }
  // Only compared with rule numbers: any values read within bounds.
  program->next_space_inside_ = FlatArray<std::uint32_t>::View(image.Array<std::uint32_t>());
  if (program->next_space_inside_.size() != program->rules_.size() + 1) {
    throw BadImage("the rules with spaces inside are misshapen");
  }
  // Stage by stage, so that a wrong count runs out of image instead of
  // asking for memory.
  std::uint64_t stages = image.Number();
  for (std::uint64_t i = 0; i < stages; ++i) program->stages_.push_back(program->LoadStage(image));
  return program;
}

void RuleProgram::CheckLoadedRules() const {
  for (const Rule& rule : rules_) {
    if (std::uint64_t{rule.find_at} + rule.find_size > text_.size() ||
        std::uint64_t{rule.replace_at} + rule.replace_size > text_.size()) {
      throw BadImage("a rule lies outside the program's text");
    }
  }
}

RuleProgram::Stage RuleProgram::LoadStage(ImageReader& image) const {
  Stage stage;
  stage.begin = static_cast<std::uint32_t>(image.NumberBelow(rules_.size() + 1));
  stage.end = static_cast<std::uint32_t>(image.NumberBelow(rules_.size() + 1));
  if (stage.end < stage.begin) throw BadImage("a stage ends before it begins");
  stage.longest_find = image.NumberBelow(text_.size() + 1);
  std::size_t count = stage.end - stage.begin;
  stage.by_word_key = TokenIndex::Load(image, text_.data(), text_.size(), count);
  stage.first_rule_of_pattern = FlatArray<std::uint32_t>::View(image.Array<std::uint32_t>());
  stage.next_rule_same_pattern = FlatArray<std::uint32_t>::View(image.Array<std::uint32_t>());
  // Chains of rules stay inside the stage and only go forward, so that
  // every walk along one ends. (The token index checks its own.)
  bool chained = stage.next_rule_same_pattern.size() == count;
  bool unchained = stage.next_rule_same_pattern.empty() && stage.first_rule_of_pattern.empty();
  if (!chained && !unchained) throw BadImage("a stage is misshapen");
  for (std::uint32_t first : stage.first_rule_of_pattern) {
    if (first >= count) throw BadImage("a pattern's rule lies outside its stage");
  }
  for (std::uint32_t local = 0; local < stage.next_rule_same_pattern.size(); ++local) {
    std::uint32_t next = stage.next_rule_same_pattern[local];
    if (next != TokenIndex::kNone && (next <= local || next >= count)) {
      throw BadImage("a stage's rules do not go forward");
    }
  }
  if (image.NumberBelow(2) == 1) {
    stage.matcher = AhoCorasick::Load(image, stage.first_rule_of_pattern.size());
  }
  return stage;
}

}  // namespace mikawase
