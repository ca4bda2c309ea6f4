#include "fast/word_windows.h"

#include <algorithm>
#include <array>
#include <bit>
#include <deque>
#include <cstring>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "fast/token_index.h"
#include "util/byte_blocks.h"

namespace mikawase {

namespace {

// What a joined result has to spare after each window's text, so that a
// short text is copied as a block of this size.
constexpr std::size_t kCopySlack = 32;

// Past these the piece is simply run whole: windows that keep joining mean
// text unlike running prose, where remembering does not pay.
constexpr std::size_t kLongestWindow = 512;
constexpr std::size_t kLooseBytesLimit = 8 * 1024;  // keeps the automaton small
// What one thread remembers before it starts afresh. Running prose needs
// a few tens of thousands of windows.
constexpr std::size_t kMemoWindows = 1 << 16;
constexpr std::size_t kMemoBytes = 16 << 20;
// The room the memo's text and details take at once: more than a megabyte
// of prose fills, so that they are not copied as it grows (with 1 MB the
// filter took a fifth longer on a megabyte of English). Not all of
// kMemoBytes: a program that checks its memory for leaks at exit (the
// sanitizer build) reads every byte reserved, which cost each process of
// the tests a third of a second.
constexpr std::size_t kMemoFirstRoom = 4 << 20;
// Text whose words never come back (codes, random letters) only pays for
// remembering: when more than three lookups in four of a round miss, the
// next pieces are run whole, for twice as many pieces each time it
// happens again.
constexpr std::size_t kRoundLookups = 4096;
constexpr std::size_t kFirstSkip = 64;
constexpr std::size_t kLongestSkip = 1 << 16;

// Where the word that starts at `at` ends: at the next space, which `text`
// must hold. Words are a few bytes long, so eight are looked at at once
// (on a little-endian machine) rather than one by one, which the
// processor mispredicts at nearly every word's end.
std::size_t WordEnd(std::string_view text, std::size_t at) {
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kSpaces = kEveryByte * ' ';
    for (; at + 8 <= text.size(); at += 8) {
      // The lowest flagged byte is a space.
      std::uint64_t spaces = ZeroByteFlags(LoadBlock(text.data() + at) ^ kSpaces);
      if (spaces != 0) return at + FirstFlaggedByte(spaces);
    }
  }
  while (text[at] != ' ') ++at;
  return at;
}

// Fills `set`, an empty index used as a set, with `tokens`, each once,
// numbered in the order they first come, and returns how many it holds.
// The index grows as it fills, so that it is sized for the few dozen
// words a hundred thousand keys may share.
std::uint32_t FillSet(const std::vector<std::string_view>& tokens, TokenIndex& set) {
  std::uint32_t count = 0;
  for (std::string_view token : tokens) {
    if (set.First(token) == TokenIndex::kNone) set.Add(token, count++);
  }
  return count;
}

// One of 64 bits for a left word of an exact pair. Dictionaries pair a few
// dozen left words ("〓否", the plural marker) with thousands of right
// words (every verb form): a right word's bits say which left words it
// may follow, so that most neighbours are told apart without their
// details.
std::uint64_t PartnerBit(std::string_view left_word) {
  return std::uint64_t{1} << (TokenIndex::Hash(left_word) >> 58);
}

bool ShareARule(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b) {
  auto i = a.begin(), j = b.begin();
  while (i != a.end() && j != b.end()) {
    if (*i == *j) return true;
    if (*i < *j) {
      ++i;
    } else {
      ++j;
    }
  }
  return false;
}

}  // namespace

// One window's run, remembered. What every join reads sits in the memo's
// table of entries, a few to a cache line; what only an unusual pair of
// neighbours needs (the rules and the word versions at the edges) sits
// apart, in the memo's detail arenas: every window that misses has one,
// and tens of thousands of small vectors and strings cost more to make
// than the runs.
struct WordWindows::Result {
  std::uint64_t peak = 0;
  std::uint32_t out_at = 0, out_size = 0;  // in the memo's text: between the end spaces, after the last rule
  std::uint32_t detail_at = 0;             // in the memo's details
  std::uint32_t number = 0;                // its entry's, from 1: what pairs of entries are keyed by
  // One bit per rule at the start and at the end (the rule number modulo
  // 64): neighbours whose bits do not meet share no rule.
  std::uint64_t start_rules = 0, end_rules = 0;
  bool too_large = false;
  bool start_lost = false, end_lost = false;
  bool loose_on_space = false;  // a loose pattern ended on the space after a last word
  bool loose_open = false;      // some loose pattern is still open there: Detail::LooseRows()
  bool loose_first = false;     // some first word may continue one: it starts with a byte
                                // that follows the space in a loose pattern
  // Exact pairs, as PartnerBit of their left words: those of the last
  // words that are left words, and those of the left words that the first
  // words pair with. Neighbours whose bits do not meet form no pair.
  std::uint64_t exact_lefts = 0, exact_partners = 0;
};

// A window's edges as a run left them: the rules that rewrote at the
// start, then those at the end, then the loose automaton's rows after a
// last word and its space (other than the start): [0, at_end)
// [at_end, rows) [rows, end). And the versions of the first word, then of
// the last and of the last two, that a neighbour may ask about (see
// Lookup), each as a 4-byte length and its bytes; the last ones begin at
// `last_words`. Filled in
// scratch space, kept in the memo, read as a view of it.
struct WordWindows::Detail {
  std::span<const std::uint32_t> numbers;
  std::uint32_t at_end = 0, rows = 0;
  std::string_view words;
  std::uint32_t last_words = 0;

  std::span<const std::uint32_t> AtStart() const { return numbers.first(at_end); }
  std::span<const std::uint32_t> AtEnd() const { return numbers.subspan(at_end, rows - at_end); }
  std::span<const std::uint32_t> LooseRows() const { return numbers.subspan(rows); }
  std::string_view FirstWords() const { return words.substr(0, last_words); }
  std::string_view LastWords() const { return words.substr(last_words); }
};

namespace {

std::uint64_t RuleBits(std::span<const std::uint32_t> rules) {
  std::uint64_t bits = 0;
  for (std::uint32_t rule : rules) bits |= std::uint64_t{1} << (rule % 64);
  return bits;
}

void AppendWord(std::string_view word, std::string* words) {
  std::uint32_t size = static_cast<std::uint32_t>(word.size());
  words->append(reinterpret_cast<const char*>(&size), sizeof size);
  words->append(word);
}

// Calls visit(word) for each word of a block AppendWord wrote, until it
// returns true; returns whether one did.
template <typename Visit>
bool AnyWord(std::string_view words, Visit&& visit) {
  while (!words.empty()) {
    std::uint32_t size;
    std::memcpy(&size, words.data(), sizeof size);
    if (visit(words.substr(sizeof size, size))) return true;
    words.remove_prefix(sizeof size + size);
  }
  return false;
}

// A detail as a run is building it, before the memo keeps a copy.
struct DetailDraft {
  std::vector<std::uint32_t> numbers;
  std::uint32_t at_end = 0, rows = 0;
  std::string words;
  std::uint32_t last_words = 0;

  // The rules at the edges of a run, before any loose rows.
  void FillRules(const RuleProgram::EdgeTrace& edges) {
    numbers.assign(edges.at_start.begin(), edges.at_start.end());
    at_end = static_cast<std::uint32_t>(numbers.size());
    numbers.insert(numbers.end(), edges.at_end.begin(), edges.at_end.end());
    rows = static_cast<std::uint32_t>(numbers.size());
  }
  // The word versions a neighbour may ask about: the first words that
  // `keep_first` accepts, the last words if `keep_last`.
  template <typename KeepFirst>
  void FillWords(const RuleProgram::EdgeTrace& edges, KeepFirst&& keep_first, bool keep_last) {
    words.clear();
    for (const std::string& word : edges.first_words) {
      if (keep_first(word)) AppendWord(word, &words);
    }
    last_words = static_cast<std::uint32_t>(words.size());
    if (keep_last) {
      for (const std::string& word : edges.last_words) AppendWord(word, &words);
      for (const std::string& two : edges.last_two_words) AppendWord(two, &words);
    }
  }
  void Clear() {
    numbers.clear();
    words.clear();
    at_end = rows = last_words = 0;
  }
  std::span<const std::uint32_t> LooseRows() const {
    return std::span<const std::uint32_t>(numbers).subspan(rows);
  }
};

}  // namespace

// Remembered windows, by their text between the end spaces: an
// open-addressing table over a deque, whose elements never move. Each slot
// keeps part of the hash, so that a probe rarely leaves the slot array;
// the windows' texts and results are kept end to end in one string.
class WordWindows::Memo {
 public:
  const Result* Find(std::string_view inside, std::uint64_t hash) const {
    if (slots_.empty()) return nullptr;
    std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
      const Slot& slot = slots_[at];
      if (slot.entry == 0) return nullptr;
      if (slot.tag != Tag(hash)) continue;
      const Entry& entry = entries_[slot.entry - 1];
      if (Text(entry.inside_at, entry.inside_size) == inside) return &entry.result;
    }
  }

  const Result* Add(std::string_view inside, std::uint64_t hash, Result result,
                    std::string_view out, const DetailDraft& detail) {
    if ((entries_.size() + 1) * 2 > slots_.size()) Grow();
    Entry entry{hash, Append(inside), static_cast<std::uint32_t>(inside.size()), result};
    entry.result.out_at = Append(out);
    entry.result.out_size = static_cast<std::uint32_t>(out.size());
    entry.result.detail_at = static_cast<std::uint32_t>(details_.size());
    entry.result.number = static_cast<std::uint32_t>(entries_.size() + 1);
    details_.insert(details_.end(), {detail.at_end, detail.rows,
                                     static_cast<std::uint32_t>(detail.numbers.size()),
                                     Append(detail.words), detail.last_words,
                                     static_cast<std::uint32_t>(detail.words.size())});
    details_.insert(details_.end(), detail.numbers.begin(), detail.numbers.end());
    entries_.push_back(entry);
    Place(slots_, hash, static_cast<std::uint32_t>(entries_.size()));
    return &entries_.back().result;
  }

  // Writes the result's text at `to`, which must have kCopySlack bytes
  // to spare after it, and returns where it ends. Most results are short,
  // and a copy of a fixed size is one pair of moves where a copy of the
  // exact size is a call that branches on it.
  char* CopyOut(const Result& result, char* to) const {
    const char* from = text_.data() + result.out_at;
    if (result.out_size <= kCopySlack && result.out_at + kCopySlack <= text_.size()) {
      std::memcpy(to, from, kCopySlack);
    } else {
      std::memcpy(to, from, result.out_size);
    }
    return to + result.out_size;
  }

  Detail DetailOf(const Result& result) const {
    const std::uint32_t* header = details_.data() + result.detail_at;
    Detail detail;
    detail.at_end = header[0];
    detail.rows = header[1];
    detail.numbers = std::span<const std::uint32_t>(header + kDetailHeader, header[2]);
    detail.words = Text(header[3], header[5]);
    detail.last_words = header[4];
    return detail;
  }

  // The bound is on memory, and a count of windows alone let random text
  // take 90 MB. The text and the details are counted as far as they are
  // written: the room reserved for them (Reserve) is only address space
  // until then.
  bool Full() const {
    std::size_t bytes = entries_.size() * (sizeof(Entry) + sizeof(Slot) * 2) + text_.size() +
                        details_.size() * sizeof(std::uint32_t);
    return entries_.size() >= kMemoWindows || bytes >= kMemoBytes;
  }

  // What MayInteract found for a pair of neighbours, remembered: running
  // prose meets the same few tens of thousands of pairs again and again
  // ("it was", "of the"), and settling one reads both windows' details.
  // Keyed by the two entries' numbers, which stay theirs until Clear.
  std::optional<bool> KnownInteraction(const Result& left, const Result& right) const {
    const PairSlot& slot = pairs_[PairIndex(left, right)];
    if (slot.left != left.number || (slot.right_and_answer >> 1) != right.number) return std::nullopt;
    return (slot.right_and_answer & 1) != 0;
  }
  void NoteInteraction(const Result& left, const Result& right, bool interact) {
    pairs_[PairIndex(left, right)] = {left.number, right.number << 1 | (interact ? 1u : 0u)};
  }

  // Room for what a megabyte of prose fills, taken once: grown by doubling
  // from nothing, the text and the details were copied again and again into
  // fresh memory, page fault by page fault, as a long text filled them.
  void Reserve() {
    if (text_.capacity() < kMemoFirstRoom) text_.reserve(kMemoFirstRoom);
    if (details_.capacity() < kMemoFirstRoom / sizeof(std::uint32_t)) {
      details_.reserve(kMemoFirstRoom / sizeof(std::uint32_t));
    }
  }

  // Whether remembering pays, counted per lookup (see kRoundLookups).
  void StartTranslation() {
    lookups_ = misses_ = skip_pieces_ = 0;
    next_skip_ = kFirstSkip;
  }
  void Count(bool miss) {
    ++lookups_;
    misses_ += miss;
  }
  // False when this round of lookups missed too often: the caller then
  // runs its piece whole, and so the next pieces.
  bool Pays() {
    if (lookups_ < kRoundLookups) return true;
    bool pays = misses_ * 4 <= lookups_ * 3;
    if (pays) {
      next_skip_ = kFirstSkip;
    } else {
      skip_pieces_ = next_skip_;
      next_skip_ = std::min(next_skip_ * 2, kLongestSkip);
    }
    lookups_ = misses_ = 0;
    return pays;
  }
  bool Skipping() {
    if (skip_pieces_ == 0) return false;
    --skip_pieces_;
    return true;
  }

  void Clear() {
    entries_.clear();
    slots_.clear();
    // Released, not just emptied: the memory written is given back, and
    // Reserve takes fresh room when the memo is used again.
    std::string().swap(text_);
    std::vector<std::uint32_t>().swap(details_);
    pairs_.fill({});
  }

 private:
  // Eight bytes, so that the table holds the tens of thousands of pairs
  // of a long text in a few hundred kilobytes.
  struct PairSlot {
    std::uint32_t left = 0;              // 0: empty
    std::uint32_t right_and_answer = 0;  // the right entry's number, then whether they interact
  };
  static constexpr int kPairBits = 15;
  static std::size_t PairIndex(const Result& left, const Result& right) {
    std::uint64_t mixed = (std::uint64_t{left.number} << 32 | right.number) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(mixed >> (64 - kPairBits));
  }
  struct Slot {
    std::uint32_t tag = 0;
    std::uint32_t entry = 0;  // index + 1; 0 for an empty slot
  };
  struct Entry {
    std::uint64_t hash;
    std::uint32_t inside_at, inside_size;  // in text_
    Result result;
  };

  static std::uint32_t Tag(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

  std::string_view Text(std::uint32_t at, std::uint32_t size) const {
    return std::string_view(text_).substr(at, size);
  }
  // The memo is cleared long before its text nears 4 GiB (kMemoBytes).
  std::uint32_t Append(std::string_view text) {
    std::uint32_t at = static_cast<std::uint32_t>(text_.size());
    text_.append(text);
    return at;
  }

  static void Place(std::vector<Slot>& slots, std::uint64_t hash, std::uint32_t entry) {
    std::size_t mask = slots.size() - 1;
    std::size_t at = hash & mask;
    while (slots[at].entry != 0) at = (at + 1) & mask;
    slots[at] = {Tag(hash), entry};
  }

  void Grow() {
    std::vector<Slot> slots(std::max<std::size_t>(1024, slots_.size() * 2));
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      Place(slots, entries_[i].hash, static_cast<std::uint32_t>(i + 1));
    }
    slots_.swap(slots);
  }

  std::deque<Entry> entries_;
  std::vector<Slot> slots_;
  std::string text_;
  // Each entry's detail: at_end, rows, the count of numbers, where the
  // words lie in text_, last_words, their size; then the numbers.
  static constexpr std::size_t kDetailHeader = 6;
  std::vector<std::uint32_t> details_;
  std::array<PairSlot, std::size_t{1} << kPairBits> pairs_{};
  std::size_t lookups_ = 0, misses_ = 0, skip_pieces_ = 0, next_skip_ = kFirstSkip;
};

// A translation borrows a memo for its thread and gives it back, so that
// the next translation with the same rules starts with everything known.
class WordWindows::MemoPool {
 public:
  std::unique_ptr<Memo> Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (free_.empty()) return std::make_unique<Memo>();
    std::unique_ptr<Memo> memo = std::move(free_.back());
    free_.pop_back();
    return memo;
  }
  void Give(std::unique_ptr<Memo> memo) {
    if (memo->Full()) memo->Clear();
    std::lock_guard<std::mutex> lock(mutex_);
    free_.push_back(std::move(memo));
  }

 private:
  std::mutex mutex_;
  std::vector<std::unique_ptr<Memo>> free_;
};

WordWindows::WordWindows(const RuleProgram& program, bool remove_spaces)
    : program_(program),
      remove_spaces_(remove_spaces),
      pool_(std::make_unique<MemoPool>()),
      exact_lefts_(program.text().data()),
      exact_rights_(program.text().data()) {
  // Most patterns are " word ": only those with a space inside matter.
  std::vector<std::uint32_t> inner_space;
  for (std::size_t rule = program.NextWithSpaceInside(0); rule < program.size();
       rule = program.NextWithSpaceInside(rule + 1)) {
    inner_space.push_back(static_cast<std::uint32_t>(rule));
  }
  // Each set once and sized for what it holds: dictionaries bring
  // thousands of keys around a few dozen left words, and a table sized for
  // every pattern would be megabytes to read at every start and to miss
  // the cache in at every lookup.
  std::vector<std::string_view> lefts, rights, pairs;

  std::vector<std::string> loose;
  std::size_t loose_bytes = 0;
  for (std::uint32_t rule : inner_space) {
    std::string_view find = program.pattern(rule);
    for (std::size_t space = find.find(' ', 1); space != std::string_view::npos && space + 1 < find.size();
         space = find.find(' ', space + 1)) {
      std::size_t before = find.rfind(' ', space - 1);
      std::size_t after = find.find(' ', space + 1);
      std::size_t left_begin = before == std::string_view::npos ? 0 : before + 1;
      std::size_t right_end = after == std::string_view::npos ? find.size() : after;
      // "left right", as it stands in the pattern.
      std::string_view pair = find.substr(left_begin, right_end - left_begin);
      if (before != std::string_view::npos && after != std::string_view::npos) {
        // A left word with a whole word before it in the pattern is known
        // with that word (word_windows.h): "has ％１０００" for " has ％１０００ to ",
        // and not the plural marker that ends every word in s.
        std::size_t earlier = before == 0 ? std::string_view::npos : find.rfind(' ', before - 1);
        std::size_t exact_begin = earlier == std::string_view::npos ? left_begin : earlier + 1;
        lefts.push_back(find.substr(exact_begin, space - exact_begin));
        rights.push_back(pair.substr(space - left_begin + 1));
        pairs.push_back(find.substr(exact_begin, right_end - exact_begin));
      } else {
        loose_bytes += pair.size();
        loose.emplace_back(pair);
        std::size_t space_in_pair = space - left_begin;
        if (space_in_pair == 0) {
          loose_starts_with_space_ = true;
        } else {
          loose_space_neighbours_[static_cast<unsigned char>(pair[space_in_pair - 1])] |= kPrecedesSpace;
        }
        if (space_in_pair + 1 < pair.size()) {
          loose_space_neighbours_[static_cast<unsigned char>(pair[space_in_pair + 1])] |= kFollowsSpace;
        }
      }
    }
  }
  std::vector<std::pair<std::string_view, std::string_view>> right_left;
  for (std::size_t i = 0; i < lefts.size(); ++i) right_left.emplace_back(rights[i], lefts[i]);
  FillSet(lefts, exact_lefts_);
  std::uint32_t distinct_rights = FillSet(rights, exact_rights_);
  // The pairs only by their hashes: tens of thousands of them, asked about
  // only for neighbours whose bits meet, and a pair taken for another
  // only joins two windows that need not be.
  std::vector<std::uint64_t> pair_hashes;
  for (std::string_view pair : pairs) pair_hashes.push_back(TokenIndex::Hash(pair));
  exact_pairs_ = HashSet(pair_hashes);
  right_partners_.assign(distinct_rights, 0);
  for (const auto& [right, left] : right_left) {
    right_partners_[exact_rights_.First(right)] |= PartnerBit(left);
  }
  if (loose_bytes > kLooseBytesLimit) {
    usable_ = false;
    return;
  }
  std::sort(loose.begin(), loose.end());
  loose.erase(std::unique(loose.begin(), loose.end()), loose.end());
  loose_count_ = loose.size();
  std::vector<std::string_view> views(loose.begin(), loose.end());
  if (!views.empty()) loose_ = std::make_unique<AhoCorasick>(views);
}

// Saving and loading: everything the constructor derives from the
// patterns, so that a loaded program need not read them all again.

void WordWindows::Save(ImageWriter& image) const {
  image.PutNumber(usable_ ? 1 : 0);
  exact_pairs_.Save(image);
  exact_lefts_.Save(image);
  exact_rights_.Save(image);
  image.PutNumber(loose_ ? loose_count_ : 0);
  if (loose_) loose_->Save(image);
  image.PutArray(std::span<const std::uint8_t>(loose_space_neighbours_));
  image.PutNumber(loose_starts_with_space_ ? 1 : 0);
  image.PutArray(right_partners_.span());
}

WordWindows::WordWindows(const RuleProgram& program, bool remove_spaces, ImageReader& image)
    : program_(program), remove_spaces_(remove_spaces), pool_(std::make_unique<MemoPool>()) {
  // The exact pairs are only asked whether they hold a token, so any rule
  // numbers will do.
  constexpr std::size_t kAnyRules = TokenIndex::kNone;
  std::string_view text = program.text();
  usable_ = image.NumberBelow(2) == 1;
  exact_pairs_ = HashSet::Load(image);
  exact_lefts_ = TokenIndex::Load(image, text.data(), text.size(), kAnyRules);
  exact_rights_ = TokenIndex::Load(image, text.data(), text.size(), kAnyRules);
  loose_count_ = image.Number();
  if (loose_count_ > 0) loose_ = AhoCorasick::Load(image, loose_count_);
  std::span<const std::uint8_t> neighbours = image.Array<std::uint8_t>();
  if (neighbours.size() != loose_space_neighbours_.size()) throw BadImage("no loose pattern bytes");
  std::copy(neighbours.begin(), neighbours.end(), loose_space_neighbours_.begin());
  loose_starts_with_space_ = image.NumberBelow(2) == 1;
  // Any bits will do: a lookup outside them reads as every bit (RightPartners).
  right_partners_ = FlatArray<std::uint64_t>::View(image.Array<std::uint64_t>());
}

WordWindows::~WordWindows() = default;

// A session's working memory: kept from window to window and piece to
// piece, so that its vectors and strings are not made again at every miss.
struct WordWindows::Workspace {
  RuleProgram::Workspace rules;
  RuleProgram::EdgeTrace edges;
  std::string text;
  DetailDraft detail;  // filled afresh at each miss; the memo keeps a copy
  std::string pair;
  struct Window {
    std::size_t begin, end;  // the text between its end spaces
    const Result* result;
  };
  std::vector<Window> windows;
  std::string out;
};

const WordWindows::Result* WordWindows::Lookup(Memo& memo, Workspace& work,
                                               std::string_view inside,
                                               std::size_t limit) const {
  std::uint64_t hash = TokenIndex::Hash(inside);
  const Result* known = memo.Find(inside, hash);
  memo.Count(known == nullptr);
  if (known) return known->too_large ? nullptr : known;

  // The result keeps a flat copy of the trace.
  RuleProgram::EdgeTrace& edges = work.edges;
  edges.Clear();
  std::string& text = work.text;
  text.clear();
  text += ' ';
  text += inside;
  text += ' ';
  Result result;
  DetailDraft& detail = work.detail;
  detail.Clear();
  std::size_t peak = 0;
  // A window that grows past what a memo holds is left to the whole
  // piece's run, as one that passes the limit is.
  if (!program_.Run(text, std::min(limit, kMemoBytes), &peak, work.rules, &edges)) {
    result.too_large = true;
    memo.Add(inside, hash, result, {}, detail);
    return nullptr;
  }
  result.peak = peak;
  result.start_lost = edges.start_lost;
  result.end_lost = edges.end_lost;
  result.start_rules = RuleBits(edges.at_start);
  result.end_rules = RuleBits(edges.at_end);
  std::string_view out;
  if (!result.start_lost && !result.end_lost) {
    if (remove_spaces_) std::erase(text, ' ');
    out = remove_spaces_ ? std::string_view(text) : std::string_view(text).substr(1, text.size() - 2);
  }

  detail.FillRules(edges);
  if (loose_) {
    for (const std::string& word : edges.last_words) {
      // After the space, the automaton stands where a loose pattern
      // begins with the space, or with the word's last byte and the space;
      // with neither, it is back at the start and has matched nothing
      // (no pattern holds a word's bytes without a space).
      if (!MayOpenLoose(word)) continue;
      bool matched = false;
      std::uint32_t row = 0;
      for (unsigned char c : word) row = loose_->Step(row, c, &matched);
      row = loose_->Step(row, ' ', &matched);
      result.loose_on_space |= matched;
      std::span<const std::uint32_t> rows = detail.LooseRows();
      if (row != 0 && std::find(rows.begin(), rows.end(), row) == rows.end()) {
        detail.numbers.push_back(row);
      }
    }
  }
  result.loose_open = !detail.LooseRows().empty();
  for (const auto* versions : {&edges.last_words, &edges.last_two_words}) {
    for (const std::string& words : *versions) {
      if (exact_lefts_.LikelyHolds(words)) result.exact_lefts |= PartnerBit(words);
    }
  }
  for (const std::string& word : edges.first_words) result.exact_partners |= RightPartners(word);
  // The last words are read only to find an exact pair; the first words
  // also to continue a loose pattern across the space before them. Most
  // windows keep none, although a word spelt out letter by letter goes
  // through a dozen versions.
  for (const std::string& word : edges.first_words) result.loose_first |= MayContinueLoose(word);
  detail.FillWords(
      edges,
      [&](std::string_view word) { return result.exact_partners != 0 || MayContinueLoose(word); },
      result.exact_lefts != 0);
  return memo.Add(inside, hash, result, out, detail);
}

std::uint64_t WordWindows::RightPartners(std::string_view first_word) const {
  // The bits of every right word that may be this one, which hold its own.
  std::uint64_t partners = 0;
  exact_rights_.ForEachLikely(first_word, [&](std::uint32_t right) {
    partners |= right < right_partners_.size() ? right_partners_[right] : ~std::uint64_t{0};
  });
  return partners;
}

bool WordWindows::MayInteract(Memo& memo, Workspace& work, const Result& left,
                              const Result& right) const {
  if (left.end_lost || right.start_lost || left.loose_on_space) return true;
  // Nearly every pair of neighbours is settled by what the entries hold.
  bool may_share_a_rule = (left.end_rules & right.start_rules) != 0;
  bool may_continue_loose = left.loose_open && right.loose_first;
  bool may_be_exact_pair = (left.exact_lefts & right.exact_partners) != 0;
  if (!may_share_a_rule && !may_continue_loose && !may_be_exact_pair) return false;
  if (std::optional<bool> known = memo.KnownInteraction(left, right)) return *known;
  bool interact = InteractInDetail(memo.DetailOf(left), memo.DetailOf(right), may_share_a_rule,
                                   may_be_exact_pair, work.pair);
  memo.NoteInteraction(left, right, interact);
  return interact;
}

bool WordWindows::InteractInDetail(const Detail& left_detail, const Detail& right_detail,
                                   bool may_share_a_rule, bool may_be_exact_pair,
                                   std::string& pair) const {
  if (may_share_a_rule && ShareARule(left_detail.AtEnd(), right_detail.AtStart())) return true;
  for (std::uint32_t start : left_detail.LooseRows()) {
    bool continued = AnyWord(right_detail.FirstWords(), [&](std::string_view word) {
      bool matched = false;
      std::uint32_t row = start;
      for (unsigned char c : word) {
        row = loose_->Step(row, c, &matched);
        if (matched) return true;
        if (row == 0) break;  // nothing begun before the space is still open
      }
      return false;
    });
    if (continued) return true;
  }
  if (may_be_exact_pair) {
    return AnyWord(left_detail.LastWords(), [&](std::string_view last) {
      if (!exact_lefts_.LikelyHolds(last)) return false;
      std::uint64_t bit = PartnerBit(last);
      return AnyWord(right_detail.FirstWords(), [&](std::string_view first) {
        // The partner bits first: the pairs' table is large, theirs small.
        if ((RightPartners(first) & bit) == 0) return false;
        pair.assign(last).append(1, ' ').append(first);
        return exact_pairs_.Holds(TokenIndex::Hash(pair));
      });
    });
  }
  return false;
}

WordWindows::Session::Session(const WordWindows& windows)
    : windows_(windows), memo_(windows.pool_->Take()), workspace_(std::make_unique<Workspace>()) {
  memo_->StartTranslation();
}

WordWindows::Session::~Session() { windows_.pool_->Give(std::move(memo_)); }

bool WordWindows::Session::Run(std::string& text, std::size_t limit, std::size_t* peak) {
  return windows_.Run(*memo_, *workspace_, text, limit, peak);
}

RuleProgram::Workspace& WordWindows::Session::rules() { return workspace_->rules; }

bool WordWindows::Run(Memo& memo, Workspace& work, std::string& text, std::size_t limit,
                      std::size_t* peak) const {
  if (!usable_ || text.size() < 2 || text.front() != ' ' || text.back() != ' ') return false;
  if (memo.Skipping()) return false;
  if (memo.Full()) memo.Clear();
  memo.Reserve();
  using Window = Workspace::Window;
  std::vector<Window>& windows = work.windows;
  windows.clear();
  std::string_view all(text);
  for (std::size_t at = 1; at < text.size();) {
    std::size_t end = WordEnd(all, at);
    Window window{at, end, Lookup(memo, work, all.substr(at, end - at), limit)};
    if (!window.result || !memo.Pays()) return false;
    while (!windows.empty() && MayInteract(memo, work, *windows.back().result, *window.result)) {
      window.begin = windows.back().begin;
      windows.pop_back();
      if (window.end - window.begin > kLongestWindow) return false;
      window.result = Lookup(memo, work, all.substr(window.begin, window.end - window.begin), limit);
      if (!window.result) return false;
    }
    windows.push_back(window);
    at = end + 1;
  }
  // A window that lost a space at the piece's ends has no place in the
  // joined result; such a piece is run whole.
  std::size_t peak_sum = 0;
  std::size_t size = remove_spaces_ ? 0 : windows.size() + 1;
  for (const Window& window : windows) {
    if (window.result->start_lost || window.result->end_lost) return false;
    peak_sum += window.result->peak;
    size += window.result->out_size;
  }
  if (peak_sum > limit) return false;
  // Swapped with the text: the two buffers take turns, and neither is
  // made again for the next piece.
  std::string& out = work.out;
  out.resize(size + kCopySlack);
  char* to = out.data();
  for (const Window& window : windows) {
    if (!remove_spaces_) *to++ = ' ';
    to = memo.CopyOut(*window.result, to);
  }
  if (!remove_spaces_) *to++ = ' ';
  out.resize(size);
  text.swap(out);
  *peak = std::max(*peak, peak_sum);
  return true;
}

}  // namespace mikawase
