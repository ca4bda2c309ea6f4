// The on-disk cache of compiled programs, as the fast engine uses it (the
// public switch is in mikawase/compiled_cache.h).
//
// One file per dictionary set, named for a hash of the dictionaries' bytes
// and of everything else the compiled form depends on. A file is a header
// and an image (program_image.h): the three dictionaries' bytes, which must
// equal the bytes just read (a hash alone could collide and silently give
// another text), then the compiled program.
#ifndef MIKAWASE_COMPILED_CACHE_INTERNAL_H_
#define MIKAWASE_COMPILED_CACHE_INTERNAL_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "dictionary/dictionary_set.h"
#include "fast/compiled_program.h"

namespace mikawase {

// The bytes of every file a dictionary set may hold, by its slot
// (dictionary_set.h): the shipped files, then the personal ones (empty
// where there is none).
using DictionaryBytes = std::array<std::string, kDictionarySlots>;
using DictionaryFailures = std::array<std::optional<TranslationError>, kDictionarySlots>;

// The program compiled from `bytes`, from the cache; null when the cache is
// off or holds no usable file for them.
std::shared_ptr<const CompiledProgram> LoadCompiledFromDisk(const DictionaryBytes& bytes);

// The same for dictionaries known only by the CacheChecksum of each slot's
// bytes, read block by block and not kept: the file is used only when
// same(slot, stored) says, for every slot, that the bytes it stores are
// the dictionary's (by reading the file again and comparing). Null when
// the cache is off, holds no usable file, or `same` says no.
using DictionaryChecksums = std::array<std::uint64_t, kDictionarySlots>;
using SameDictionary = std::function<bool(std::size_t slot, std::string_view stored)>;
std::shared_ptr<const CompiledProgram> LoadCompiledFromDisk(const DictionaryChecksums& checksums,
                                                            const SameDictionary& same);

// Keeps `compiled`, which holds every line of `bytes`, in the cache when it
// is on, then drops all but the most recently used files. Fails silently.
void SaveCompiledToDisk(const DictionaryBytes& bytes, const CompiledProgram& compiled);

// The start of every cache file. A file whose header differs from the one
// this engine would write in anything but the checksum is not used.
struct CacheFileHeader {
  std::uint64_t magic;
  std::uint32_t format;       // kCacheFormat: raised whenever the layout changes
  std::uint32_t header_size;  // sizeof(CacheFileHeader)
  std::uint64_t version;      // a hash of the project version and the build's ID
  std::uint64_t tables;       // a hash of the pipeline and its built-in tables
  std::uint64_t image_size;   // the bytes after the header
  std::uint64_t checksum;     // CacheChecksum of those bytes
  std::uint64_t reserved[2];
};
static_assert(sizeof(CacheFileHeader) == 64, "the image must start 64-byte aligned");

inline constexpr std::uint32_t kCacheFormat = 9;

// A fast 64-bit checksum: it is run over the whole file at every use.
std::uint64_t CacheChecksum(std::span<const std::byte> bytes);

// CacheChecksum of bytes that come in blocks of any sizes: the checksum of
// their concatenation, without it ever being in memory.
class ChecksumStream {
 public:
  void Add(std::span<const std::byte> bytes);
  void Add(std::string_view bytes) { Add(std::as_bytes(std::span<const char>(bytes))); }
  std::uint64_t Sum() const;

 private:
  static constexpr std::size_t kChunk = 32;  // a word for each of four lanes
  void AddChunks(const std::byte* at, std::size_t chunks);
  std::array<std::uint64_t, 4> lanes_ = {1, 2, 3, 4};
  std::uint64_t size_ = 0;
  std::array<std::byte, kChunk> pending_{};
  std::size_t pending_size_ = 0;
};

// The image a cache file holds after its header, and the program read back
// from one: the layer under the files, for tools that damage images in
// memory. ReadProgramImage views the tables in place in `image`, which
// must start at a multiple of kImageAlignment and whose bytes `owner` keeps
// alive (the program holds on to it). Null when the stored dictionaries are
// not `bytes`; throws BadImage when the tables do not fit.
std::string ProgramImageOf(const DictionaryBytes& bytes, const CompiledProgram& compiled);
std::shared_ptr<const CompiledProgram> ReadProgramImage(std::span<const std::byte> image,
                                                        std::shared_ptr<const void> owner,
                                                        const DictionaryBytes& bytes);
// The same, with each stored dictionary accepted or refused by `same`.
std::shared_ptr<const CompiledProgram> ReadProgramImageIf(std::span<const std::byte> image,
                                                          std::shared_ptr<const void> owner,
                                                          const SameDictionary& same);

// How often the cache was used since the process began: for tests.
struct CompiledCacheActivity {
  std::size_t loads = 0;   // programs taken from a file
  std::size_t stores = 0;  // files written
};
CompiledCacheActivity CompiledCacheActivitySoFar();

}  // namespace mikawase

#endif  // MIKAWASE_COMPILED_CACHE_INTERNAL_H_
