// A set of 64-bit hashes in an open-addressed table, saved in a program
// image and used in place like the other tables.
//
// It answers for the hashes, not for what was hashed: a text never added
// whose hash equals one that was is taken as held. It serves where a wrong
// yes only costs time (word_windows.h joins two windows that need not be)
// and a table of the texts themselves would be megabytes more to read at
// every start.
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

  // Load checks that the table's size is a power of two; a lookup gives up
  // after a probe of every slot, so a damaged table answers wrongly at
  // worst.
  void Save(ImageWriter& image) const;
  static HashSet Load(ImageReader& image);

 private:
  // 0 marks an empty slot, so a hash of 0 is kept as 1.
  static std::uint64_t Stored(std::uint64_t hash) { return hash == 0 ? 1 : hash; }

  FlatArray<std::uint64_t> slots_;
};

}  // namespace mikawase

#endif  // MIKAWASE_HASH_SET_H_
