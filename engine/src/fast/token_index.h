// Whole-word rules by the first word they need: a flat hash table from a
// token to the rules, in order, whose pattern " X " starts with that token.
//
// Dictionaries bring tens of thousands of such rules, and the table is
// rebuilt whenever a dictionary file changes, so it is built in one pass
// with no allocation per entry: the rules of one token are chained through
// an array indexed by rule.
//
// Tokens are kept as offsets from a base, the start of the text they were
// cut from, rather than as pointers: a compiled program loaded from the
// on-disk cache lies at another address in every process, and its tables
// are used in place.
#ifndef MIKAWASE_TOKEN_INDEX_H_
#define MIKAWASE_TOKEN_INDEX_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "fast/flat_array.h"
#include "fast/program_image.h"

namespace mikawase {

class TokenIndex {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;

  // Every token added must lie in the text that starts at `base`, which
  // must outlive the index.
  explicit TokenIndex(const char* base = nullptr) : base_(base) {}

  // `rule_count` bounds the rule numbers that Add will be given.
  void Reserve(std::size_t tokens, std::size_t rule_count);

  // Once every rule is added: the slots cut down to what the tokens held
  // need. Reserve counts a token per rule, and keeps the table at most half
  // full while it fills; but every lookup into it is a cache miss, and
  // every start checksums it.
  void ShrinkToFit();

  // Rules must be added in increasing order, and only to an index built
  // here: one loaded from an image takes no more.
  void Add(std::string_view token, std::uint32_t rule);

  // The index as an image, and back, its tables viewed in place. Load
  // checks the tables' shapes, rule numbers below `rule_bound` and chains
  // of rules that only go forward. The slots, a hundred thousand and more
  // for a large dictionary, are not read at every start: a lookup checks
  // the one it uses (its token inside the `text_size` bytes at `base`, its
  // first rule inside the tables) and gives up after a probe of every
  // slot. A damaged image may then give wrong text, but never a read out
  // of bounds or a lookup without end.
  void Save(ImageWriter& image) const;
  static TokenIndex Load(ImageReader& image, const char* base, std::size_t text_size,
                         std::size_t rule_bound);

  bool empty() const { return size_ == 0; }

  // Asks the processor for the slot `token` hashes to, ahead of an Add or
  // a lookup: building an index is one cache miss per token otherwise.
  void Prefetch(std::string_view token) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[Hash(token) & (slots_.size() - 1)]);
  }

  // The first rule for `token`, or kNone; Next() walks the rest in order.
  std::uint32_t First(std::string_view token) const;
  std::uint32_t Next(std::uint32_t rule) const { return next_[rule]; }

  // Calls visit(first) with the first rule of every slot that may hold
  // `token`: one with its size and the high half of its hash, whose bytes
  // are not read. For an index used as a set, where a wrong yes only costs
  // time: the token's own slot is among those visited (when it has one),
  // and reading a token's bytes is a cache miss in a text of megabytes at
  // nearly every word that is there.
  template <typename Visit>
  void ForEachLikely(std::string_view token, Visit&& visit) const {
    if (size_ == 0) return;
    std::uint64_t hash = Hash(token);
    if (!FilterBit(hash)) return;
    std::size_t mask = slots_.size() - 1;
    std::size_t at = hash & mask;
    for (std::size_t probes = slots_.size(); probes > 0; --probes, at = (at + 1) & mask) {
      const Slot& slot = slots_[at];
      if (slot.first == kNone) return;
      if (slot.tag == Tag(hash) && slot.size == token.size()) visit(slot.first);
    }
  }
  // Whether ForEachLikely would visit any slot.
  bool LikelyHolds(std::string_view token) const {
    bool any = false;
    ForEachLikely(token, [&](std::uint32_t) { any = true; });
    return any;
  }

  // A fast hash for short words.
  static std::uint64_t Hash(std::string_view token);

 private:
  // 16 bytes, four to a cache line: tables of this kind hold a hundred
  // thousand slots and more, every lookup is a cache miss into them, and
  // every start checksums them.
  struct Slot {
    std::uint32_t offset = 0;  // of the token, from base_
    std::uint32_t size = 0;
    std::uint32_t tag = 0;  // high half of the hash
    std::uint32_t first = kNone;
  };
  std::string_view TokenOf(const Slot& slot) const {
    return std::string_view(base_ + slot.offset, slot.size);
  }
  bool Holds(const Slot& slot, std::string_view token, std::uint32_t token_tag) const {
    return slot.tag == token_tag && slot.size == token.size() &&
           std::uint64_t{slot.offset} + slot.size <= text_size_ && TokenOf(slot) == token;
  }
  static std::uint32_t Tag(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

  // Most words of a text are in no dictionary. A bit per hash, from bits
  // the slot index does not use, answers most of those lookups from a
  // table small enough to stay in cache (16 bits a token: about one
  // absent word in sixteen still probes the slots).
  static constexpr std::size_t kFilterBitsPerSlot = 8;
  std::size_t FilterIndex(std::uint64_t hash) const {
    return Tag(hash) & (filter_.size() * 64 - 1);
  }
  void SetFilterBit(std::uint64_t hash) {
    std::size_t bit = FilterIndex(hash);
    filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
  }
  bool FilterBit(std::uint64_t hash) const {
    std::size_t bit = FilterIndex(hash);
    return (filter_[bit / 64] >> (bit % 64)) & 1;
  }

  void Grow();
  void Rehash(std::size_t capacity);
  void CheckLoaded(std::size_t rule_bound) const;

  const char* base_;
  std::uint64_t text_size_ = UINT64_MAX;  // known only when loaded
  FlatArray<Slot> slots_;
  // Each slot's last rule, while rules are added: never saved, as a loaded
  // index takes none.
  std::vector<std::uint32_t> last_;
  FlatArray<std::uint64_t> filter_;
  FlatArray<std::uint32_t> next_;
  std::size_t size_ = 0;
};

}  // namespace mikawase

#endif  // MIKAWASE_TOKEN_INDEX_H_
