#include "fast/hash_set.h"

#include <bit>

namespace mikawase {

HashSet::HashSet(const std::vector<std::uint64_t>& hashes) {
  if (hashes.empty()) return;
  // Half full at most, so that a probe for a hash that is not there ends
  // at an empty slot after one or two.
  std::vector<std::uint16_t> slots(std::bit_ceil(hashes.size() * 2));
  std::size_t mask = slots.size() - 1;
  for (std::uint64_t hash : hashes) {
    std::uint16_t kept = Fingerprint(hash);
    std::size_t at = hash & mask;
    while (slots[at] != 0 && slots[at] != kept) at = (at + 1) & mask;
    slots[at] = kept;
  }
  slots_ = std::move(slots);
}

bool HashSet::Holds(std::uint64_t hash) const {
  if (slots_.empty()) return false;
  std::uint16_t kept = Fingerprint(hash);
  std::size_t mask = slots_.size() - 1;
  std::size_t at = hash & mask;
  for (std::size_t probes = slots_.size(); probes > 0; --probes, at = (at + 1) & mask) {
    if (slots_[at] == kept) return true;
    if (slots_[at] == 0) return false;
  }
  return false;
}

void HashSet::Save(ImageWriter& image) const { image.PutArray(slots_.span()); }

HashSet HashSet::Load(ImageReader& image) {
  HashSet set;
  set.slots_ = FlatArray<std::uint16_t>::View(image.Array<std::uint16_t>());
  if (!set.slots_.empty() && !std::has_single_bit(set.slots_.size())) {
    throw BadImage("a hash set is misshapen");
  }
  return set;
}

}  // namespace mikawase
