// A multi-pattern matcher over bytes (Aho-Corasick, as a dense automaton).
//
// The fast engine asks it which rules can match at all in a piece of text,
// and after a rewrite, which can match in the window around the rewrite.
// It holds the built-in patterns and those of "rome.txt": a few thousand
// states at most, so a dense transition table over byte classes fits in
// cache and is built in well under a millisecond.
#ifndef MIKAWASE_AHO_CORASICK_H_
#define MIKAWASE_AHO_CORASICK_H_

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "fast/flat_array.h"
#include "fast/program_image.h"

namespace mikawase {

class AhoCorasick {
 public:
  // Pattern i of `patterns` is reported as i. Empty patterns never match.
  explicit AhoCorasick(const std::vector<std::string_view>& patterns);

  // The automaton as an image, and back, its tables viewed in place. Load
  // checks that every transition and output stays inside the tables, that
  // every chain of outputs ends, and that reported patterns are below
  // `pattern_bound`.
  void Save(ImageWriter& image) const;
  static std::unique_ptr<AhoCorasick> Load(ImageReader& image, std::size_t pattern_bound);

  // Calls on_match(pattern) for every occurrence that lies entirely inside
  // `text`, in order of the occurrences' ends.
  template <typename OnMatch>
  void Scan(std::string_view text, OnMatch&& on_match) const {
    // The hottest loop of the fast engine: one table load per byte. A
    // transition holds the target's row offset, with the top bit set where
    // some pattern ends, so that outputs are looked up only there.
    if (skip_at_root_) {
      ScanFrom<true>(text, on_match);
    } else {
      ScanFrom<false>(text, on_match);
    }
  }

  // One step from `row` (0 is the start), for callers that carry a scan
  // from one text into another; sets *matched when some pattern ends there.
  std::uint32_t Step(std::uint32_t row, unsigned char byte, bool* matched) const {
    std::uint32_t target = next_[row + byte_class_[byte]];
    if (target & kHasOutput) *matched = true;
    return target & ~kHasOutput;
  }

  // True when `byte` occurs in some pattern: bytes that occur in none can
  // never be part of a match.
  bool InSomePattern(unsigned char byte) const { return byte_class_[byte] != 0; }

 private:
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;
  static constexpr std::uint32_t kHasOutput = 0x80000000;

  AhoCorasick() = default;

  template <bool kSkipAtRoot, typename OnMatch>
  void ScanFrom(std::string_view text, OnMatch&& on_match) const {
    const std::uint32_t* next = next_.data();
    const std::uint16_t* byte_class = byte_class_.data();
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::uint32_t row = 0;
    for (std::size_t at = 0; at < size; ++at) {
      // At the root, bytes that start no pattern are passed over with
      // independent loads instead of the chain of dependent ones. A byte
      // that starts a pattern only with another byte after it than the one
      // there leads to the same state as passing it over: from its state,
      // the next byte falls back to where it leads from the root.
      if constexpr (kSkipAtRoot) {
        if (row == 0) {
          while (at + 1 < size && !StartsPair(bytes[at], bytes[at + 1])) ++at;
          if (at + 1 == size && !starts_pattern_[bytes[at]]) break;
        }
      }
      std::uint32_t target = next[row + byte_class[bytes[at]]];
      row = target & ~kHasOutput;
      if ((target & kHasOutput) == 0) continue;
      for (std::uint32_t out = output_[row / classes_]; out != kNone; out = output_link_[out]) {
        on_match(pattern_of_[out]);
      }
    }
  }
  void CheckLoaded(std::size_t pattern_bound) const;
  bool OutputChainsEnd() const;

  // Copied rather than viewed when loaded: 512 bytes, and this way it keeps
  // the fixed size Scan's loop is compiled for.
  std::array<std::uint16_t, 256> byte_class_{};  // 0: in no pattern
  // Bytes that leave the root, and pairs of bytes that may begin a pattern
  // (a byte that is a whole pattern begins one with any byte after it).
  // Passing over the others pays only where the pairs of running text's
  // commonest bytes, lowercase letters and the space, rarely begin one (the
  // names, punctuation and spacing before lowercasing); elsewhere the extra
  // test costs more than it saves.
  std::array<bool, 256> starts_pattern_{};
  std::array<std::uint64_t, 256 * 256 / 64> starts_pair_{};
  bool StartsPair(unsigned char first, unsigned char second) const {
    unsigned pair = unsigned{first} << 8 | second;
    return (starts_pair_[pair / 64] >> (pair % 64) & 1) != 0;
  }
  bool skip_at_root_ = false;
  void NoteStartingBytes();
  std::uint32_t classes_ = 1;
  FlatArray<std::uint32_t> next_;         // row + class -> target row | kHasOutput
  FlatArray<std::uint32_t> output_;       // state -> first state with a pattern, or kNone
  FlatArray<std::uint32_t> output_link_;  // pattern state -> next pattern state
  FlatArray<std::uint32_t> pattern_of_;   // pattern state -> pattern index
};

}  // namespace mikawase

#endif  // MIKAWASE_AHO_CORASICK_H_
