// The set of hashes that tells the word windows which word pairs some rule
// joins: every hash added must be found, from the table built and from its
// image; others not, unless they share 16 bits with one added (the part a
// slot keeps); a damaged table must still end every lookup.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <set>
#include <span>
#include <vector>

#include "fast/hash_set.h"
#include "fast/program_image.h"

namespace mikawase {
namespace {

// Hashes that crowd the table's low bits, 0, and the largest value: where
// probes wrap and where the empty mark lies.
std::vector<std::uint64_t> Crowded(std::size_t count, std::mt19937_64& random) {
  std::vector<std::uint64_t> hashes = {0, 1, ~std::uint64_t{0}};
  for (std::size_t i = 0; hashes.size() < count; ++i) {
    hashes.push_back(i % 3 == 0 ? (random() << 12) | 7 : random());
  }
  return hashes;
}

void ExpectHoldsExactly(const HashSet& set, const std::vector<std::uint64_t>& added,
                        std::mt19937_64& random) {
  std::set<std::uint16_t> kept;
  for (std::uint64_t hash : added) kept.insert(HashSet::Fingerprint(hash));
  for (std::uint64_t hash : added) EXPECT_TRUE(set.Holds(hash)) << hash;
  for (int i = 0; i < 2000; ++i) {
    std::uint64_t other = i % 2 == 0 ? random() : (random() << 12) | 7;
    if (!kept.contains(HashSet::Fingerprint(other))) {
      EXPECT_FALSE(set.Holds(other)) << other;
    }
  }
}

TEST(HashSetTest, HoldsWhatWasAddedAndNothingElse) {
  const char* given = std::getenv("MIKAWASE_SEED");
  std::uint64_t seed = given != nullptr ? std::strtoull(given, nullptr, 10) : std::random_device()();
  std::printf("hash set test: MIKAWASE_SEED=%llu\n", static_cast<unsigned long long>(seed));
  for (std::size_t count : {0, 1, 3, 4, 5, 100, 4097}) {
    std::mt19937_64 random(seed + count);
    std::vector<std::uint64_t> hashes = count == 0 ? std::vector<std::uint64_t>{}
                                                   : Crowded(count, random);
    hashes.resize(count);
    HashSet built(hashes);
    ExpectHoldsExactly(built, hashes, random);

    ImageWriter writer;
    built.Save(writer);
    alignas(kImageAlignment) static std::byte buffer[1 << 20];
    ASSERT_LE(writer.bytes().size(), sizeof buffer);
    std::memcpy(buffer, writer.bytes().data(), writer.bytes().size());
    ImageReader reader(std::span<const std::byte>(buffer, writer.bytes().size()));
    HashSet loaded = HashSet::Load(reader);
    ExpectHoldsExactly(loaded, hashes, random);
  }
}

TEST(HashSetTest, ADamagedTableEndsEveryLookup) {
  // Every slot taken: no empty slot ends a probe.
  std::vector<std::uint16_t> full(8);
  for (std::size_t i = 0; i < full.size(); ++i) full[i] = static_cast<std::uint16_t>(8 * i + 5);
  ImageWriter writer;
  writer.PutArray(std::span<const std::uint16_t>(full));
  alignas(kImageAlignment) static std::byte buffer[4096];
  std::memcpy(buffer, writer.bytes().data(), writer.bytes().size());
  ImageReader reader(std::span<const std::byte>(buffer, writer.bytes().size()));
  HashSet loaded = HashSet::Load(reader);
  EXPECT_TRUE(loaded.Holds(std::uint64_t{8 * 3 + 5} << 48));
  EXPECT_FALSE(loaded.Holds(std::uint64_t{2} << 48));

  // Not a power of two: refused.
  ImageWriter odd;
  odd.PutArray(std::span<const std::uint16_t>(full).first(6));
  std::memcpy(buffer, odd.bytes().data(), odd.bytes().size());
  ImageReader odd_reader(std::span<const std::byte>(buffer, odd.bytes().size()));
  EXPECT_THROW(HashSet::Load(odd_reader), BadImage);
}

}  // namespace
}  // namespace mikawase
