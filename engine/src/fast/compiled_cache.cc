#include "fast/compiled_cache.h"

#include <dirent.h>
#include <elf.h>
#include <link.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <mutex>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "fast/program_image.h"
#include "mikawase/app_folder.h"
#include "mikawase/compiled_cache.h"
#include "mikawase/version.h"
#include "rules/rule_tables.h"

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
constexpr std::time_t kAbandonedSeconds = 60 * 60;
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

// Every built-in table's rules, in order: a compiled program holds some of
// them, and a cache file made before one changed must not be used.
std::uint64_t TablesFingerprint() {
  static const std::uint64_t fingerprint = [] {
    const RuleTable tables[] = {
        ProtectedTermsTable(), LetterCodeTable(),   CapitalisedNamesTable(),
        PunctuationTable(),    LineBreakTable(),    ContractionsTable(),
        SpaceCollapseTable(),  PhraseTable(),       JoinersAndPluralMarkingTable(),
        WordTable(),           SpellingTable(),     MarkerRemovalTable(),
        SpaceRemovalTable()};
    std::string all;
    auto append = [&all](std::string_view text) {
      all += std::to_string(text.size()) + ':';
      all += text;
    };
    for (RuleTable table : tables) {
      append(std::to_string(table.size()));
      for (const ReplacementRule& rule : table) {
        append(rule.find);
        append(rule.replace);
      }
    }
    return ChecksumOf(all);
  }();
  return fingerprint;
}

// The build of the running program, by its linker's build ID: a compiled
// image holds hash tables and automata laid out by this build's code, and
// between two builds of one version (a developer's, a test run's) that code
// may differ. Without a build ID the version alone has to do.
std::string ProgramIdentity() {
  static const std::string identity = [] {
    std::string id(kVersionString);
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
          auto* out = static_cast<std::string*>(data);
          for (int i = 0; i < info->dlpi_phnum; ++i) {
            const ElfW(Phdr)& header = info->dlpi_phdr[i];
            if (header.p_type != PT_NOTE) continue;
            const char* at = reinterpret_cast<const char*>(info->dlpi_addr + header.p_vaddr);
            const char* end = at + header.p_memsz;
            while (at + sizeof(ElfW(Nhdr)) <= end) {
              ElfW(Nhdr) note;
              std::memcpy(&note, at, sizeof note);
              const char* name = at + sizeof note;
              const char* desc = name + ((note.n_namesz + 3) & ~3u);
              const char* next = desc + ((note.n_descsz + 3) & ~3u);
              if (next > end) break;
              if (note.n_type == NT_GNU_BUILD_ID && note.n_namesz == 4 &&
                  std::memcmp(name, "GNU", 4) == 0) {
                out->append(1, '/').append(desc, note.n_descsz);
                return 1;
              }
              at = next;
            }
          }
          return 1;  // the first object is the program itself
        },
        &id);
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
  header.tables = TablesFingerprint();
  header.image_size = image_size;
  header.checksum = checksum;
  return header;
}

// Named for everything the file's contents depend on, so that another
// version or other dictionaries look for another file and leave this one
// to be pruned.
std::string FileNameFor(const DictionaryBytes& bytes) {
  CacheFileHeader key = ExpectedHeader(0, 0);
  std::uint64_t hash = CacheChecksum(std::as_bytes(std::span(&key, 1)));
  for (const std::string& dictionary : bytes) hash = Mix(hash, ChecksumOf(dictionary));
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return std::string(kFilePrefix) + hex + std::string(kFileSuffix);
}

// Loading.

struct MappedFile {
  std::shared_ptr<const void> memory;
  std::size_t size = 0;
};

// The whole file, read-only. Mapped rather than read: the program's tables
// are used in place, and pages no translation touches cost nothing more.
// Populated at once, since the checksum reads every page anyway.
std::optional<MappedFile> MapFile(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      info.st_size < static_cast<off_t>(sizeof(CacheFileHeader)) ||
      static_cast<std::uint64_t>(info.st_size) > kLargestFile) {
    close(fd);
    return std::nullopt;
  }
  std::size_t size = static_cast<std::size_t>(info.st_size);
  void* memory = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  close(fd);
  if (memory == MAP_FAILED) return std::nullopt;
  return MappedFile{std::shared_ptr<const void>(
                        memory, [size](const void* at) { munmap(const_cast<void*>(at), size); }),
                    size};
}

// The program in `file`, when it was made by this engine from `bytes` and
// is whole; null otherwise. Throws BadImage for tables that do not fit.
std::shared_ptr<const CompiledProgram> ReadCompiled(const MappedFile& file,
                                                    const DictionaryBytes& bytes) {
  const std::byte* start = static_cast<const std::byte*>(file.memory.get());
  CacheFileHeader header;
  std::memcpy(&header, start, sizeof header);
  std::span<const std::byte> image(start + sizeof header, file.size - sizeof header);
  CacheFileHeader expected = ExpectedHeader(image.size(), header.checksum);
  if (std::memcmp(&header, &expected, sizeof header) != 0) return nullptr;
  if (CacheChecksum(image) != header.checksum) return nullptr;
  return ReadProgramImage(image, file.memory, bytes);
}

// Saving.

// Creates `folder` and any missing parent, each readable by its owner
// only: compiled dictionaries are the user's own business.
bool CreateFolder(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
       slash = folder.find('/', slash + 1)) {
    std::string prefix = folder.substr(0, slash);
    if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat info;
  return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Writes a temporary file beside the final one and renames it into place,
// so that a reader never sees half a file and two writers at once only
// replace one whole file with another. Not synced: after a crash a file
// may be short or empty, which its checksum rejects.
bool WriteAtomically(const std::string& folder, const std::string& name, std::string_view header,
                     std::string_view image) {
  std::string temporary = folder + name + std::string(kTemporaryMark) + "XXXXXX";
  int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool written = WriteAll(fd, header) && WriteAll(fd, image);
  written = close(fd) == 0 && written;
  std::string path = folder + name;
  if (written && rename(temporary.c_str(), path.c_str()) != 0) {
    // A folder in the file's place is moved out of the way when empty.
    written = errno == EISDIR && rmdir(path.c_str()) == 0 &&
              rename(temporary.c_str(), path.c_str()) == 0;
  }
  if (!written) unlink(temporary.c_str());
  return written;
}

// Keeps the kKeptFiles cache files used last (a load marks a file as used)
// and removes the rest, along with temporary files left by dead writers.
void DropLeastRecentlyUsed(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  struct File {
    std::timespec used;
    std::string name;
  };
  std::vector<File> files;
  std::time_t now = std::time(nullptr);
  while (const dirent* entry = readdir(dir)) {
    std::string_view name = entry->d_name;
    struct stat info;
    if (!name.starts_with(kFilePrefix) ||
        fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(info.st_mode)) {
      continue;
    }
    if (name.ends_with(kFileSuffix)) {
      files.push_back({info.st_mtim, std::string(name)});
    } else if (name.find(kTemporaryMark) != std::string_view::npos &&
               now - info.st_mtime > kAbandonedSeconds) {
      unlinkat(dirfd(dir), entry->d_name, 0);
    }
  }
  std::sort(files.begin(), files.end(), [](const File& a, const File& b) {
    return a.used.tv_sec != b.used.tv_sec ? a.used.tv_sec > b.used.tv_sec
                                          : a.used.tv_nsec > b.used.tv_nsec;
  });
  for (std::size_t i = kKeptFiles; i < files.size(); ++i) {
    unlinkat(dirfd(dir), files[i].name.c_str(), 0);
  }
  closedir(dir);
}

}  // namespace

void EnableCompiledCache(std::string_view folder) {
  Settings& settings = TheSettings();
  std::lock_guard<std::mutex> lock(settings.mutex);
  settings.folder = folder.empty() ? std::string() : WithTrailingSeparator(folder);
}

std::string DefaultCompiledCacheFolder() {
  if (const char* folder = std::getenv("MIKAWASE_CACHE_DIR")) return folder;
  // Relative paths in XDG_CACHE_HOME are to be ignored.
  const char* xdg = std::getenv("XDG_CACHE_HOME");
  if (xdg != nullptr && xdg[0] == '/') return WithTrailingSeparator(xdg) + "mikawase";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return WithTrailingSeparator(home) + ".cache/mikawase";
  return "";
}

std::uint64_t CacheChecksum(std::span<const std::byte> bytes) {
  // Four independent lanes, and nothing but an xor and a rotation in each
  // lane's chain (the multiplication only spreads the word's bits), so
  // that the loop runs at close to memory speed: the whole file is checked
  // at every use. Every step is invertible, so one changed word always
  // changes the sum.
  constexpr std::uint64_t kSpread = 0x9E3779B97F4A7C15ull;
  auto step = [](std::uint64_t lane, std::uint64_t word) {
    return std::rotl(lane ^ (word * kSpread), 29);
  };
  std::array<std::uint64_t, 4> lanes = {1, 2, 3, 4};
  const std::byte* at = bytes.data();
  std::size_t left = bytes.size();
  for (; left >= 32; at += 32, left -= 32) {
    for (std::size_t lane = 0; lane < lanes.size(); ++lane) {
      std::uint64_t word;
      std::memcpy(&word, at + lane * 8, 8);
      lanes[lane] = step(lanes[lane], word);
    }
  }
  while (left > 0) {
    std::uint64_t word = 0;
    std::size_t size = std::min<std::size_t>(left, 8);
    std::memcpy(&word, at, size);
    lanes[0] = step(lanes[0], word);
    at += size;
    left -= size;
  }
  std::uint64_t sum = bytes.size();
  for (std::uint64_t lane : lanes) sum = Mix(sum, lane);
  return sum;
}

std::shared_ptr<const CompiledProgram> ReadProgramImage(std::span<const std::byte> image,
                                                        std::shared_ptr<const void> owner,
                                                        const DictionaryBytes& bytes) {
  ImageReader reader(image);
  for (const std::string& dictionary : bytes) {
    std::span<const char> stored = reader.Array<char>();
    if (std::string_view(stored.data(), stored.size()) != dictionary) return nullptr;
  }
  auto compiled = std::make_shared<CompiledProgram>();
  compiled->image = std::move(owner);
  compiled->removes_spaces = reader.NumberBelow(2) == 1;
  compiled->program = RuleProgram::Load(reader);
  compiled->windows =
      std::make_unique<WordWindows>(*compiled->program, compiled->removes_spaces, reader);
  if (!reader.AtEnd()) throw BadImage("the image goes on past the program");
  return compiled;
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

std::shared_ptr<const CompiledProgram> LoadCompiledFromDisk(const DictionaryBytes& bytes) {
  std::string folder = CacheFolder();
  if (folder.empty()) return nullptr;
  try {
    std::string path = folder + FileNameFor(bytes);
    std::optional<MappedFile> file = MapFile(path);
    if (!file) return nullptr;
    std::shared_ptr<const CompiledProgram> compiled = ReadCompiled(*file, bytes);
    if (!compiled) return nullptr;
    // Marks the file as used, for DropLeastRecentlyUsed.
    utimensat(AT_FDCWD, path.c_str(), nullptr, 0);
    ++loads;
    return compiled;
  } catch (const std::exception&) {
    // A damaged file, or no memory to load it: compiling still works.
    return nullptr;
  }
}

void SaveCompiledToDisk(const DictionaryBytes& bytes, const CompiledProgram& compiled) {
  std::string folder = CacheFolder();
  if (folder.empty()) return;
  try {
    std::string image = ProgramImageOf(bytes, compiled);
    CacheFileHeader header =
        ExpectedHeader(image.size(), CacheChecksum(std::as_bytes(std::span<const char>(image))));
    if (!CreateFolder(folder)) return;
    if (WriteAtomically(folder, FileNameFor(bytes),
                        std::string_view(reinterpret_cast<const char*>(&header), sizeof header),
                        image)) {
      ++stores;
    }
    DropLeastRecentlyUsed(folder);
  } catch (const std::exception&) {
    // Out of memory for the image: the translation goes on without.
  }
}

CompiledCacheActivity CompiledCacheActivitySoFar() { return {loads.load(), stores.load()}; }

}  // namespace mikawase
