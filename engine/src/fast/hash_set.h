// A set of 64-bit hashes in an open-addressed table, saved in a program
// image and used in place like the other tables.
//
// It answers for parts of the hashes, not for what was hashed: a slot
// keeps 16 bits of a hash, so a hash never added is taken as held when it
// meets a slot with its 16 bits (about once in 40,000 lookups). It serves
// where a wrong yes only costs time (word_windows.h joins two windows that
// need not be): a table small enough to stay in cache, where one of the
// texts themselves was megabytes to read at every start and a cache miss
// at every lookup.
#ifndef MIKAWASE_HASH_SET_H_
#define MIKAWASE_HASH_SET_H_

#include <cstdint>
#include <vector>

#include "fast/flat_array.h"
#include "fast/program_image.h"

namespace mikawase {

class HashSet {
 public:
  HashSet() = default;
  explicit HashSet(const std::vector<std::uint64_t>& hashes);

  bool Holds(std::uint64_t hash) const;

  // What a slot keeps of a hash; 0 marks an empty slot.
  static std::uint16_t Fingerprint(std::uint64_t hash) {
    std::uint16_t high = static_cast<std::uint16_t>(hash >> 48);
    return high == 0 ? 1 : high;
  }

  // Load checks that the table's size is a power of two; a lookup gives up
  // after a probe of every slot, so a damaged table answers wrongly at
  // worst.
  void Save(ImageWriter& image) const;
  static HashSet Load(ImageReader& image);

 private:
  FlatArray<std::uint16_t> slots_;  // by the hash's low bits
};

}  // namespace mikawase

#endif  // MIKAWASE_HASH_SET_H_
