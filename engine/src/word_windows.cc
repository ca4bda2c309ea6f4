#include "word_windows.h"

#include <algorithm>
#include <deque>
#include <mutex>
#include <type_traits>
#include <vector>

#include "token_index.h"

namespace mikawase {

namespace {

// Past these the piece is simply run whole: windows that keep joining mean
// text unlike running prose, where remembering does not pay.
constexpr std::size_t kLongestWindow = 512;
constexpr std::size_t kLooseBytesLimit = 8 * 1024;  // keeps the automaton small
// What one thread remembers before it starts afresh. Running prose needs
// a few tens of thousands of windows.
constexpr std::size_t kMemoWindows = 1 << 16;
constexpr std::size_t kMemoBytes = 16 << 20;
// Text whose words never come back (codes, random letters) only pays for
// remembering: when more than three lookups in four of a round miss, the
// next pieces are run whole, for twice as many pieces each time it
// happens again.
constexpr std::size_t kRoundLookups = 4096;
constexpr std::size_t kFirstSkip = 64;
constexpr std::size_t kLongestSkip = 1 << 16;

// What an entry holds beyond its own size, roughly: the memo's bound is
// on memory, and a count of windows alone let random text take 90 MB. The
// standard library keeps up to 15 bytes of a string inline.
std::size_t HeapBytes(const std::string& text) {
  return text.capacity() > 15 ? text.capacity() + 16 : 0;
}
template <typename T>
std::size_t HeapBytes(const std::vector<T>& items) {
  std::size_t bytes = items.capacity() > 0 ? items.capacity() * sizeof(T) + 16 : 0;
  if constexpr (std::is_same_v<T, std::string>) {
    for (const std::string& item : items) bytes += HeapBytes(item);
  }
  return bytes;
}

bool ShareARule(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
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

struct WordWindows::Result {
  std::string out;  // between the end spaces, after the last rule
  std::size_t peak = 0;
  bool too_large = false;
  RuleProgram::EdgeTrace edges;
  // Automaton rows reached after a last word and the space that follows
  // it, other than the start; and whether a pattern ended on that space.
  std::vector<std::uint32_t> loose_rows;
  bool loose_on_space = false;
  bool exact_left = false;   // some last word is the left word of an exact pair
  bool exact_right = false;  // some first word is the right word of one
};

// Remembered windows, by their text between the end spaces: an
// open-addressing table over a deque, whose elements never move. Each slot
// keeps part of the hash, so that a probe rarely leaves the slot array.
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
      if (entry.inside == inside) return &entry.result;
    }
  }

  const Result* Add(std::string_view inside, std::uint64_t hash, Result result) {
    if ((entries_.size() + 1) * 2 > slots_.size()) Grow();
    entries_.push_back({hash, std::string(inside), std::move(result)});
    bytes_ += Bytes(entries_.back());
    Place(slots_, hash, static_cast<std::uint32_t>(entries_.size()));
    return &entries_.back().result;
  }

  bool Full() const { return entries_.size() >= kMemoWindows || bytes_ >= kMemoBytes; }

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
    bytes_ = 0;
  }

 private:
  struct Slot {
    std::uint32_t tag = 0;
    std::uint32_t entry = 0;  // index + 1; 0 for an empty slot
  };
  struct Entry {
    std::uint64_t hash;
    std::string inside;
    Result result;
  };

  static std::uint32_t Tag(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

  static std::size_t Bytes(const Entry& entry) {
    const Result& result = entry.result;
    return sizeof(Entry) + sizeof(Slot) * 2 + HeapBytes(entry.inside) + HeapBytes(result.out) +
           HeapBytes(result.edges.at_start) + HeapBytes(result.edges.at_end) +
           HeapBytes(result.edges.first_words) + HeapBytes(result.edges.last_words) +
           HeapBytes(result.loose_rows);
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
  std::size_t bytes_ = 0;
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
      exact_pairs_(program.text().data()),
      exact_lefts_(program.text().data()),
      exact_rights_(program.text().data()) {
  // Most patterns are " word ": only those with a space inside matter.
  std::vector<std::uint32_t> inner_space;
  for (std::uint32_t rule = 0; rule < program.size(); ++rule) {
    std::string_view find = program.pattern(rule);
    if (find.size() > 2 && find.substr(1, find.size() - 2).find(' ') != std::string_view::npos) {
      inner_space.push_back(rule);
    }
  }
  exact_lefts_.Reserve(inner_space.size(), inner_space.size() * 2);
  exact_rights_.Reserve(inner_space.size(), inner_space.size() * 2);
  exact_pairs_.Reserve(inner_space.size(), inner_space.size() * 2);

  std::vector<std::string> loose;
  std::size_t loose_bytes = 0;
  std::uint32_t exact = 0;
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
        exact_lefts_.Add(pair.substr(0, space - left_begin), exact);
        exact_rights_.Add(pair.substr(space - left_begin + 1), exact);
        exact_pairs_.Add(pair, exact++);
      } else {
        loose_bytes += pair.size();
        loose.emplace_back(pair);
      }
    }
  }
  if (loose_bytes > kLooseBytesLimit) {
    usable_ = false;
    return;
  }
  std::sort(loose.begin(), loose.end());
  loose.erase(std::unique(loose.begin(), loose.end()), loose.end());
  // The automaton keeps views: hold the strings for as long as it lives.
  loose_patterns_ = std::move(loose);
  std::vector<std::string_view> views(loose_patterns_.begin(), loose_patterns_.end());
  if (!views.empty()) loose_ = std::make_unique<AhoCorasick>(views);
}

// Saving and loading: everything the constructor derives from the
// patterns, so that a loaded program need not read them all again.

void WordWindows::Save(ImageWriter& image) const {
  image.PutNumber(usable_ ? 1 : 0);
  exact_pairs_.Save(image);
  exact_lefts_.Save(image);
  exact_rights_.Save(image);
  image.PutNumber(loose_ ? loose_patterns_.size() : 0);
  if (loose_) loose_->Save(image);
}

WordWindows::WordWindows(const RuleProgram& program, bool remove_spaces, ImageReader& image)
    : program_(program), remove_spaces_(remove_spaces), pool_(std::make_unique<MemoPool>()) {
  // The exact pairs are only asked whether they hold a token, so any rule
  // numbers will do.
  constexpr std::size_t kAnyRules = TokenIndex::kNone;
  std::string_view text = program.text();
  usable_ = image.NumberBelow(2) == 1;
  exact_pairs_ = TokenIndex::Load(image, text.data(), text.size(), kAnyRules);
  exact_lefts_ = TokenIndex::Load(image, text.data(), text.size(), kAnyRules);
  exact_rights_ = TokenIndex::Load(image, text.data(), text.size(), kAnyRules);
  std::uint64_t loose_patterns = image.Number();
  if (loose_patterns > 0) loose_ = AhoCorasick::Load(image, loose_patterns);
}

WordWindows::~WordWindows() = default;

const WordWindows::Result* WordWindows::Lookup(Memo& memo, std::string_view inside,
                                               std::size_t limit) const {
  std::uint64_t hash = TokenIndex::Hash(inside);
  const Result* known = memo.Find(inside, hash);
  memo.Count(known == nullptr);
  if (known) return known->too_large ? nullptr : known;

  Result result;
  std::string text;
  text.reserve(inside.size() + 2);
  text += ' ';
  text += inside;
  text += ' ';
  if (!program_.Run(text, limit, &result.peak, &result.edges)) {
    result.too_large = true;
    memo.Add(inside, hash, std::move(result));
    return nullptr;
  }
  if (!result.edges.start_lost && !result.edges.end_lost) {
    result.out.assign(text, 1, text.size() - 2);
    if (remove_spaces_) std::erase(result.out, ' ');
  }
  if (loose_) {
    for (const std::string& word : result.edges.last_words) {
      bool matched = false;
      std::uint32_t row = 0;
      for (unsigned char c : word) row = loose_->Step(row, c, &matched);
      row = loose_->Step(row, ' ', &matched);
      result.loose_on_space |= matched;
      if (row != 0 && std::find(result.loose_rows.begin(), result.loose_rows.end(), row) ==
                          result.loose_rows.end()) {
        result.loose_rows.push_back(row);
      }
    }
  }
  for (const std::string& word : result.edges.last_words) {
    result.exact_left |= exact_lefts_.First(word) != TokenIndex::kNone;
  }
  for (const std::string& word : result.edges.first_words) {
    result.exact_right |= exact_rights_.First(word) != TokenIndex::kNone;
  }
  return memo.Add(inside, hash, std::move(result));
}

bool WordWindows::MayInteract(const Result& left, const Result& right) const {
  if (left.edges.end_lost || right.edges.start_lost) return true;
  if (ShareARule(left.edges.at_end, right.edges.at_start)) return true;
  if (left.loose_on_space) return true;
  for (std::uint32_t start : left.loose_rows) {
    for (const std::string& word : right.edges.first_words) {
      bool matched = false;
      std::uint32_t row = start;
      for (unsigned char c : word) {
        row = loose_->Step(row, c, &matched);
        if (matched) return true;
        if (row == 0) break;  // nothing begun before the space is still open
      }
    }
  }
  if (left.exact_left && right.exact_right) {
    thread_local std::string pair;
    for (const std::string& last : left.edges.last_words) {
      if (exact_lefts_.First(last) == TokenIndex::kNone) continue;
      for (const std::string& first : right.edges.first_words) {
        pair.assign(last).append(1, ' ').append(first);
        if (exact_pairs_.First(pair) != TokenIndex::kNone) return true;
      }
    }
  }
  return false;
}

WordWindows::Session::Session(const WordWindows& windows)
    : windows_(windows), memo_(windows.pool_->Take()) {
  memo_->StartTranslation();
}

WordWindows::Session::~Session() { windows_.pool_->Give(std::move(memo_)); }

bool WordWindows::Session::Run(std::string& text, std::size_t limit, std::size_t* peak) {
  return windows_.Run(*memo_, text, limit, peak);
}

bool WordWindows::Run(Memo& memo, std::string& text, std::size_t limit,
                      std::size_t* peak) const {
  if (!usable_ || text.size() < 2 || text.front() != ' ' || text.back() != ' ') return false;
  if (memo.Skipping()) return false;
  if (memo.Full()) memo.Clear();
  struct Window {
    std::size_t begin, end;  // the text between its end spaces
    const Result* result;
  };
  thread_local std::vector<Window> windows;
  windows.clear();
  std::string_view all(text);
  for (std::size_t at = 1; at < text.size();) {
    std::size_t end = text.find(' ', at);
    Window window{at, end, Lookup(memo, all.substr(at, end - at), limit)};
    if (!window.result || !memo.Pays()) return false;
    while (!windows.empty() && MayInteract(*windows.back().result, *window.result)) {
      window.begin = windows.back().begin;
      windows.pop_back();
      if (window.end - window.begin > kLongestWindow) return false;
      window.result = Lookup(memo, all.substr(window.begin, window.end - window.begin), limit);
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
    if (window.result->edges.start_lost || window.result->edges.end_lost) return false;
    peak_sum += window.result->peak;
    size += window.result->out.size();
  }
  if (peak_sum > limit) return false;
  std::string out;
  out.reserve(size);
  for (const Window& window : windows) {
    if (!remove_spaces_) out += ' ';
    out += window.result->out;
  }
  if (!remove_spaces_) out += ' ';
  text.swap(out);
  *peak = std::max(*peak, peak_sum);
  return true;
}

}  // namespace mikawase
