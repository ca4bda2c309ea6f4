#include "fast/compiled_cache.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <mutex>
#include <optional>
#include <string_view>
#include <utility>

#include "fast/program_image.h"
#include "mikawase/app_folder.h"
#include "mikawase/compiled_cache.h"
#include "mikawase/version.h"
#include "platform/cache_files.h"
#include "rules/pipeline.h"

namespace mikawase {

namespace {

constexpr std::uint64_t kMagic = 0x4548434143574B4Dull;  // "MKWCACHE", read as bytes
constexpr std::string_view kFilePrefix = "program-";
constexpr std::string_view kFileSuffix = ".cache";
constexpr std::string_view kTemporaryMark = ".tmp-";
// Files kept after a write: a few dictionary sets in turn (a user's own
// and the shipped ones, say) all stay fast.
constexpr std::size_t kKeptFiles = 4;
// A temporary file this old was left by a writer that died.
constexpr long kAbandonedSeconds = 60 * 60;
// Far beyond any real dictionaries (the shipped ones make about 10 MB);
// anything larger is not mapped.
constexpr std::size_t kLargestFile = std::size_t{1} << 32;

struct Settings {
  std::mutex mutex;
  std::string folder;  // with a trailing "/"; empty while the cache is off
};
Settings& TheSettings() {
  static Settings* settings = new Settings;  // never destroyed: used until exit
  return *settings;
}

std::string CacheFolder() {
  Settings& settings = TheSettings();
  std::lock_guard<std::mutex> lock(settings.mutex);
  return settings.folder;
}

std::atomic<std::size_t> loads{0}, stores{0};

std::uint64_t Mix(std::uint64_t lane, std::uint64_t word) {
  lane = (lane ^ word) * 0x9E3779B97F4A7C15ull;
  return lane ^ (lane >> 32);
}

std::uint64_t ChecksumOf(std::string_view text) {
  return CacheChecksum(std::as_bytes(std::span<const char>(text.data(), text.size())));
}

// The pipeline, every stage with its tables' rules, in order: a compiled
// program holds some of them, and a cache file made before one changed
// must not be used.
std::uint64_t PipelineFingerprint() {
  static const std::uint64_t fingerprint = [] {
    std::string all;
    auto append = [&all](std::string_view text) {
      all += std::to_string(text.size()) + ':';
      all += text;
    };
    for (const Stage& stage : kPipeline) {
      append(stage.name);
      append(std::to_string(static_cast<int>(stage.action)));
      append(std::to_string(static_cast<int>(stage.mode)));
      append(std::to_string(stage.table.size()));
      for (const ReplacementRule& rule : stage.table) {
        append(rule.find);
        append(rule.replace);
      }
    }
    return ChecksumOf(all);
  }();
  return fingerprint;
}

// The version and the build of the running program: a cache file made by
// another build is not used.
std::string ProgramIdentity() {
  static const std::string identity = [] {
    std::string id(kVersionString);
    std::string build = ThisBuildsIdentity();
    if (!build.empty()) id.append(1, '/').append(build);
    return id;
  }();
  return identity;
}

CacheFileHeader ExpectedHeader(std::uint64_t image_size, std::uint64_t checksum) {
  CacheFileHeader header{};
  header.magic = kMagic;
  header.format = kCacheFormat;
  header.header_size = sizeof(CacheFileHeader);
  header.version = ChecksumOf(ProgramIdentity());
  header.tables = PipelineFingerprint();
  header.image_size = image_size;
  header.checksum = checksum;
  return header;
}

// Named for everything the file's contents depend on, so that another
// version or other dictionaries look for another file and leave this one
// to be pruned.
std::string FileNameFor(const DictionaryChecksums& checksums) {
  CacheFileHeader key = ExpectedHeader(0, 0);
  std::uint64_t hash = CacheChecksum(std::as_bytes(std::span(&key, 1)));
  for (std::uint64_t checksum : checksums) hash = Mix(hash, checksum);
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return std::string(kFilePrefix) + hex + std::string(kFileSuffix);
}

DictionaryChecksums ChecksumsOf(const DictionaryBytes& bytes) {
  DictionaryChecksums checksums;
  for (std::size_t slot = 0; slot < bytes.size(); ++slot) checksums[slot] = ChecksumOf(bytes[slot]);
  return checksums;
}

SameDictionary SameAs(const DictionaryBytes& bytes) {
  return [&bytes](std::size_t slot, std::string_view stored) { return stored == bytes[slot]; };
}

// Loading.

// The program in `file`, when it was made by this engine from `bytes` and
// is whole; null otherwise. Throws BadImage for tables that do not fit.
std::shared_ptr<const CompiledProgram> ReadCompiled(const MappedFile& file,
                                                    const SameDictionary& same) {
  const std::byte* start = static_cast<const std::byte*>(file.memory.get());
  CacheFileHeader header;
  std::memcpy(&header, start, sizeof header);
  std::span<const std::byte> image(start + sizeof header, file.size - sizeof header);
  CacheFileHeader expected = ExpectedHeader(image.size(), header.checksum);
  if (std::memcmp(&header, &expected, sizeof header) != 0) return nullptr;
  if (CacheChecksum(image) != header.checksum) return nullptr;
  return ReadProgramImageIf(image, file.memory, same);
}

}  // namespace

void EnableCompiledCache(std::string_view folder) {
  Settings& settings = TheSettings();
  std::lock_guard<std::mutex> lock(settings.mutex);
  settings.folder = folder.empty() ? std::string() : WithTrailingSeparator(folder);
}

std::string DefaultCompiledCacheFolder() {
  if (std::optional<std::string> folder = EnvironmentVariable("MIKAWASE_CACHE_DIR")) return *folder;
  return UserCacheFolder();
}

std::uint64_t CacheChecksum(std::span<const std::byte> bytes) {
  ChecksumStream sum;
  sum.Add(bytes);
  return sum.Sum();
}

// Four independent lanes, and nothing but an xor and a rotation in each
// lane's chain (the multiplication only spreads the word's bits), so that
// the loop runs at close to memory speed: the whole file is checked at
// every use. Every step is invertible, so one changed word always changes
// the sum.
namespace {
constexpr std::uint64_t kSpread = 0x9E3779B97F4A7C15ull;
std::uint64_t Step(std::uint64_t lane, std::uint64_t word) {
  return std::rotl(lane ^ (word * kSpread), 29);
}
}  // namespace

// The lanes are locals while the chunks go by: the bytes may alias any
// member, so lanes kept in the object were stored and loaded again at
// every word, which made the loop several times slower.
void ChecksumStream::AddChunks(const std::byte* at, std::size_t chunks) {
  std::array<std::uint64_t, 4> lanes = lanes_;
  for (; chunks > 0; --chunks, at += kChunk) {
    for (std::size_t lane = 0; lane < lanes.size(); ++lane) {
      std::uint64_t word;
      std::memcpy(&word, at + lane * 8, 8);
      lanes[lane] = Step(lanes[lane], word);
    }
  }
  lanes_ = lanes;
}

void ChecksumStream::Add(std::span<const std::byte> bytes) {
  size_ += bytes.size();
  const std::byte* at = bytes.data();
  std::size_t left = bytes.size();
  if (pending_size_ > 0) {
    std::size_t take = std::min(left, kChunk - pending_size_);
    std::memcpy(pending_.data() + pending_size_, at, take);
    pending_size_ += take;
    at += take;
    left -= take;
    if (pending_size_ < kChunk) return;
    AddChunks(pending_.data(), 1);
    pending_size_ = 0;
  }
  std::size_t whole = left / kChunk;
  AddChunks(at, whole);
  at += whole * kChunk;
  left -= whole * kChunk;
  if (left > 0) std::memcpy(pending_.data(), at, left);
  pending_size_ = left;
}

std::uint64_t ChecksumStream::Sum() const {
  // The bytes after the last whole chunk, eight at a time, into the
  // first lane.
  std::array<std::uint64_t, 4> lanes = lanes_;
  for (std::size_t at = 0; at < pending_size_; at += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, pending_.data() + at, std::min<std::size_t>(pending_size_ - at, 8));
    lanes[0] = Step(lanes[0], word);
  }
  std::uint64_t sum = size_;
  for (std::uint64_t lane : lanes) sum = Mix(sum, lane);
  return sum;
}

std::shared_ptr<const CompiledProgram> ReadProgramImageIf(std::span<const std::byte> image,
                                                          std::shared_ptr<const void> owner,
                                                          const SameDictionary& same) {
  ImageReader reader(image);
  auto compiled = std::make_shared<CompiledProgram>();
  for (std::size_t slot = 0; slot < kDictionarySlots; ++slot) {
    std::span<const char> stored = reader.Array<char>();
    compiled->sources[slot] = std::string_view(stored.data(), stored.size());
    if (!same(slot, compiled->sources[slot])) return nullptr;
  }
  compiled->image = std::move(owner);
  compiled->removes_spaces = reader.NumberBelow(2) == 1;
  compiled->program = RuleProgram::Load(reader);
  compiled->windows =
      std::make_unique<WordWindows>(*compiled->program, compiled->removes_spaces, reader);
  if (!reader.AtEnd()) throw BadImage("the image goes on past the program");
  return compiled;
}

std::shared_ptr<const CompiledProgram> ReadProgramImage(std::span<const std::byte> image,
                                                        std::shared_ptr<const void> owner,
                                                        const DictionaryBytes& bytes) {
  return ReadProgramImageIf(image, std::move(owner), SameAs(bytes));
}

std::string ProgramImageOf(const DictionaryBytes& bytes, const CompiledProgram& compiled) {
  ImageWriter image;
  for (const std::string& dictionary : bytes) {
    image.PutArray(std::span<const char>(dictionary.data(), dictionary.size()));
  }
  image.PutNumber(compiled.removes_spaces ? 1 : 0);
  compiled.program->Save(image);
  compiled.windows->Save(image);
  return image.bytes();
}

std::shared_ptr<const CompiledProgram> LoadCompiledFromDisk(const DictionaryChecksums& checksums,
                                                            const SameDictionary& same) {
  std::string folder = CacheFolder();
  if (folder.empty()) return nullptr;
  try {
    std::string path = folder + FileNameFor(checksums);
    std::optional<MappedFile> file = MapWholeFile(path, sizeof(CacheFileHeader), kLargestFile);
    if (!file) return nullptr;
    std::shared_ptr<const CompiledProgram> compiled = ReadCompiled(*file, same);
    if (!compiled) return nullptr;
    MarkFileUsed(path);
    ++loads;
    return compiled;
  } catch (const std::exception&) {
    // A damaged file, or no memory to load it: compiling still works.
    return nullptr;
  }
}

std::shared_ptr<const CompiledProgram> LoadCompiledFromDisk(const DictionaryBytes& bytes) {
  return LoadCompiledFromDisk(ChecksumsOf(bytes), SameAs(bytes));
}

void SaveCompiledToDisk(const DictionaryBytes& bytes, const CompiledProgram& compiled) {
  std::string folder = CacheFolder();
  if (folder.empty()) return;
  try {
    std::string image = ProgramImageOf(bytes, compiled);
    CacheFileHeader header =
        ExpectedHeader(image.size(), CacheChecksum(std::as_bytes(std::span<const char>(image))));
    if (!CreatePrivateFolder(folder)) return;
    if (WriteFileAtomically(folder, FileNameFor(ChecksumsOf(bytes)), kTemporaryMark,
                            std::string_view(reinterpret_cast<const char*>(&header), sizeof header),
                            image)) {
      ++stores;
    }
    KeepRecentlyUsed(folder, kFilePrefix, kFileSuffix, kTemporaryMark, kKeptFiles,
                     kAbandonedSeconds);
  } catch (const std::exception&) {
    // Out of memory for the image: the translation goes on without.
  }
}

CompiledCacheActivity CompiledCacheActivitySoFar() { return {loads.load(), stores.load()}; }

}  // namespace mikawase
