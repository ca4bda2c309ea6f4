#include "token_index.h"

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
    std::vector<Slot> old;
    old.swap(slots_);
    slots_.assign(capacity, Slot{});
    filter_.assign(capacity * kFilterBitsPerSlot / 64, 0);
    for (const Slot& slot : old) {
      if (slot.first == kNone) continue;
      std::uint64_t hash = Hash(std::string_view(slot.data, slot.size));
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
      slot = Slot{token.data(), static_cast<std::uint32_t>(token.size()), Tag(hash), rule, rule};
      SetFilterBit(hash);
      ++size_;
      return;
    }
    if (slot.Holds(token, Tag(hash))) {
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
    if (slot.Holds(token, Tag(hash))) return slot.first;
  }
}

}  // namespace mikawase
