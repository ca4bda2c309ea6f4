#include "token_index.h"

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

void TokenIndex::Reserve(std::size_t tokens, std::size_t rule_count) {
  std::size_t capacity = 16;
  while (capacity < tokens * 2) capacity *= 2;
  if (capacity > slots_.size()) {
    FlatArray<Slot> old = std::move(slots_);
    slots_.assign(capacity, Slot{});
    filter_.assign(capacity * kFilterBitsPerSlot / 64, 0);
    for (const Slot& slot : old) {
      if (slot.first == kNone) continue;
      std::uint64_t hash = Hash(TokenOf(slot));
      std::size_t at = hash & (slots_.size() - 1);
      while (slots_[at].first != kNone) at = (at + 1) & (slots_.size() - 1);
      slots_[at] = slot;
      SetFilterBit(hash);
    }
  }
  if (next_.size() < rule_count) next_.resize(rule_count, kNone);
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
                  static_cast<std::uint32_t>(token.size()), Tag(hash), rule, rule};
      SetFilterBit(hash);
      ++size_;
      return;
    }
    if (Holds(slot, token, Tag(hash))) {
      next_[slot.last] = rule;
      slot.last = rule;
      return;
    }
  }
}

std::uint32_t TokenIndex::First(std::string_view token) const {
  if (size_ == 0) return kNone;
  std::uint64_t hash = Hash(token);
  if (!FilterBit(hash)) return kNone;
  std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.first == kNone) return kNone;
    if (Holds(slot, token, Tag(hash))) return slot.first;
  }
}

// Saving and loading.

void TokenIndex::Save(ImageWriter& image) const {
  image.PutArray(slots_.span());
  image.PutArray(filter_.span());
  image.PutArray(next_.span());
}

TokenIndex TokenIndex::Load(ImageReader& image, const char* base, std::size_t text_size,
                            std::size_t rule_bound) {
  TokenIndex index(base);
  index.slots_ = FlatArray<Slot>::View(image.Array<Slot>());
  index.filter_ = FlatArray<std::uint64_t>::View(image.Array<std::uint64_t>());
  index.next_ = FlatArray<std::uint32_t>::View(image.Array<std::uint32_t>());
  for (const Slot& slot : index.slots_) index.size_ += slot.first != kNone;
  index.CheckLoaded(text_size, rule_bound);
  return index;
}

void TokenIndex::CheckLoaded(std::size_t text_size, std::size_t rule_bound) const {
  // Masks stand for sizes, and a probe ends at a free slot. The filter's
  // mask is its size in bits less one, so it must hold a word at least: a
  // table of fewer than 64 / kFilterBitsPerSlot slots has none, and every
  // lookup would read far outside it (Reserve never makes one so small).
  bool shaped = slots_.empty()
                    ? filter_.empty()
                    : std::has_single_bit(slots_.size()) && size_ < slots_.size() &&
                          !filter_.empty() &&
                          filter_.size() == slots_.size() * kFilterBitsPerSlot / 64;
  if (!shaped || next_.size() > rule_bound) throw BadImage("a token index is misshapen");
  for (const Slot& slot : slots_) {
    if (slot.first == kNone) continue;
    if (slot.offset > text_size || slot.size > text_size - slot.offset ||
        slot.first >= next_.size() || slot.last >= next_.size()) {
      throw BadImage("a token index points outside its tables");
    }
  }
  for (std::uint32_t rule = 0; rule < next_.size(); ++rule) {
    if (next_[rule] != kNone && (next_[rule] <= rule || next_[rule] >= next_.size())) {
      throw BadImage("a token index's rules do not go forward");
    }
  }
}

}  // namespace mikawase
