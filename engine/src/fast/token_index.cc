#include "fast/token_index.h"

#include <bit>
#include <cstring>

namespace mikawase {

namespace {

// The last `size` (< 8) bytes of a token as one little-endian number, read
// without a call: a copy of variable length goes through memcpy, whose
// branches on the length mispredict at nearly every word of a text.
std::uint64_t Tail(const char* bytes, std::size_t size) {
  if (size >= 4) {
    std::uint32_t low, high;  // overlapping halves: the same bytes meet where they overlap
    std::memcpy(&low, bytes, 4);
    std::memcpy(&high, bytes + size - 4, 4);
    return low | (std::uint64_t{high} << (8 * (size - 4)));
  }
  if (size == 0) return 0;
  auto byte = [&](std::size_t i) { return std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i); };
  return byte(0) | byte(size / 2) | byte(size - 1);
}

}  // namespace

std::uint64_t TokenIndex::Hash(std::string_view token) {
  // Tokens are short words: mix eight bytes at a time, then the tail.
  std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ token.size();
  std::size_t at = 0;
  for (; at + 8 <= token.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, token.data() + at, 8);
    hash = (hash ^ word) * 0xBF58476D1CE4E5B9ull;
    hash ^= hash >> 31;
  }
  hash = (hash ^ Tail(token.data() + at, token.size() - at)) * 0x94D049BB133111EBull;
  return hash ^ (hash >> 29);
}

namespace {

// The slots for `tokens`: a power of two, at most half full.
std::size_t CapacityFor(std::size_t tokens) {
  std::size_t capacity = 16;
  while (capacity < tokens * 2) capacity *= 2;
  return capacity;
}

}  // namespace

void TokenIndex::Reserve(std::size_t tokens, std::size_t rule_count) {
  std::size_t capacity = CapacityFor(tokens);
  if (capacity > slots_.size()) Rehash(capacity);
  if (next_.size() < rule_count) next_.resize(rule_count, kNone);
}

void TokenIndex::ShrinkToFit() {
  // Up to 60% full once built: most tokens looked up are in no
  // dictionary and stop at the filter, and a probe for one that is stays
  // within a cache line or two; half the table is half the misses.
  std::size_t capacity = 16;
  while (capacity * 3 < size_ * 5) capacity *= 2;
  if (capacity < slots_.size()) Rehash(capacity);
}

void TokenIndex::Rehash(std::size_t capacity) {
  FlatArray<Slot> old = std::move(slots_);
  std::vector<std::uint32_t> old_last = std::move(last_);
  slots_.assign(capacity, Slot{});
  last_.assign(capacity, kNone);
  filter_.assign(capacity * kFilterBitsPerSlot / 64, 0);
  for (std::size_t i = 0; i < old.size(); ++i) {
    const Slot& slot = old[i];
    if (slot.first == kNone) continue;
    std::uint64_t hash = Hash(TokenOf(slot));
    std::size_t at = hash & (slots_.size() - 1);
    while (slots_[at].first != kNone) at = (at + 1) & (slots_.size() - 1);
    slots_[at] = slot;
    last_[at] = old_last[i];
    SetFilterBit(hash);
  }
}

void TokenIndex::Grow() { Reserve(slots_.size(), next_.size()); }

void TokenIndex::Add(std::string_view token, std::uint32_t rule) {
  if (slots_.empty() || (size_ + 1) * 2 > slots_.size()) Grow();
  if (next_.size() <= rule) next_.resize(rule + 1, kNone);
  std::uint64_t hash = Hash(token);
  std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    Slot& slot = slots_[at];
    if (slot.first == kNone) {
      slot = Slot{static_cast<std::uint32_t>(token.data() - base_),
                  static_cast<std::uint32_t>(token.size()), Tag(hash), rule};
      last_[at] = rule;
      SetFilterBit(hash);
      ++size_;
      return;
    }
    if (Holds(slot, token, Tag(hash))) {
      next_[last_[at]] = rule;
      last_[at] = rule;
      return;
    }
  }
}

std::uint32_t TokenIndex::First(std::string_view token) const {
  if (size_ == 0) return kNone;
  std::uint64_t hash = Hash(token);
  if (!FilterBit(hash)) return kNone;
  std::size_t mask = slots_.size() - 1;
  std::size_t at = hash & mask;
  for (std::size_t probes = slots_.size(); probes > 0; --probes, at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.first == kNone) return kNone;
    if (Holds(slot, token, Tag(hash))) return slot.first < next_.size() ? slot.first : kNone;
  }
  return kNone;
}

// Saving and loading.

void TokenIndex::Save(ImageWriter& image) const {
  image.PutArray(slots_.span());
  image.PutArray(filter_.span());
  image.PutArray(next_.span());
  image.PutNumber(size_);
}

TokenIndex TokenIndex::Load(ImageReader& image, const char* base, std::size_t text_size,
                            std::size_t rule_bound) {
  TokenIndex index(base);
  index.text_size_ = text_size;
  index.slots_ = FlatArray<Slot>::View(image.Array<Slot>());
  index.filter_ = FlatArray<std::uint64_t>::View(image.Array<std::uint64_t>());
  index.next_ = FlatArray<std::uint32_t>::View(image.Array<std::uint32_t>());
  // Only says whether any slot is in use: lookups end by themselves.
  index.size_ = image.NumberBelow(index.slots_.size() + 1);
  index.CheckLoaded(rule_bound);
  return index;
}

void TokenIndex::CheckLoaded(std::size_t rule_bound) const {
  // Masks stand for sizes. The filter's mask is its size in bits less one,
  // so it must hold a word at least: a table of fewer than
  // 64 / kFilterBitsPerSlot slots has none, and every lookup would read far
  // outside it (Reserve never makes one so small).
  bool shaped = slots_.empty()
                    ? filter_.empty()
                    : std::has_single_bit(slots_.size()) && !filter_.empty() &&
                          filter_.size() == slots_.size() * kFilterBitsPerSlot / 64;
  if (!shaped || next_.size() > rule_bound) throw BadImage("a token index is misshapen");
  // Without a branch: a dictionary's chains run to tens of thousands of rules.
  std::uint64_t rules = next_.size();
  bool backward = false;
  for (std::uint32_t rule = 0; rule < rules; ++rule) {
    std::uint32_t next = next_[rule];
    backward |= (next != kNone) & ((next <= rule) | (next >= rules));
  }
  if (backward) throw BadImage("a token index's rules do not go forward");
}

}  // namespace mikawase
