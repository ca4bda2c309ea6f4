// Damaged program images against the loader of the compiled cache. A cache
// file's checksum only catches accidental damage; a file that passes it but
// was made wrongly (a writer's bug, a forged file in the user's cache
// folder) meets nothing but the loader's checks of its tables. So whatever
// image the loader accepts must translate without a crash, a sanitizer
// report or a hang; a wrong text is all a forged image may cause.
//
// At start-up a small program is compiled from dictionaries that reach
// every kind of table (whole-word keys of one and two words, keys inside
// words with a space in them, values that hold later keys) and its image
// is saved. Each input is a list of edits to a copy of that image, 8 bytes
// apiece:
//
//   op, landmark, delta (int16 LE), value (uint32 LE)
//
// The edit lands at landmarks[landmark % count] + 4 * delta + lane, where
// landmark 0 is the image's end and 2k + 1 and 2k + 2 are, for its k-th
// array, the start of its header (the count, then the layout word; the
// numbers stored between arrays lie just before one) and the start of its
// elements. The low three bits of op pick what is done there, bits 4 and 5 the
// byte lane:
//
//   0, 6, 7  store the value as a 4-byte number
//   1        add the value to the 4-byte number there
//   2        store the value's low byte (at the lane)
//   3        store the value sign-extended as an 8-byte number
//   4        cut the image there, or extend it with the value's low byte
//   5        flip the bits of the value in the 4-byte number there
//
// Numbers are aligned down to their size; edits that fall outside the
// image are skipped. Tables are arrays of 4-byte numbers nearly
// throughout, so a number at a time reaches states byte flips rarely do.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fast/compiled_cache.h"
#include "fast/compiled_program.h"
#include "fast/fast_engine.h"
#include "fast/program_image.h"
#include "fuzz_case.h"

namespace {

using namespace mikawase;

// CP932, keys padded to 15 characters as the dictionary format has them.
std::string Line(std::string_view key, std::string_view value) {
  std::string line(key);
  line.resize(15, ' ');
  return line.append(value).append("\r\n");
}

DictionaryBytes Dictionaries() {
  return {
      // noun.txt: a value that holds later keys of this and the next file,
      // two-word keys, two of them sharing their first word.
      Line("kitten", "small cat") + Line("cat", "\x94L") + Line("dog", "\x8C\xA2") +
          Line("ice cream", "\x83" "A\x83" "C\x83X") +
          Line("hot dog", "\x83z\x83" "b\x83g\x83h\x83" "b\x83O") + Line("hot", "hot kyo"),
      // adjective.txt
      Line("black", "\x8D\x95\x82\xA2") + Line("small", "\x8F\xAC\x82\xB3\x82\xA2") +
          Line("very big", "\x82\xC6\x82\xC4\x82\xE0\x91\xE5\x82\xAB\x82\xA2") +
          Line("big", "\x91\xE5\x82\xAB\x82\xA2"),
      // rome.txt: keys inside words, some across a space, one whose value
      // holds a later key.
      Line("qu", "ka") + Line("kyo", "\x82\xAB\x82\xE5") + Line("to", "\x82\xC6") +
          Line("ka", "\x82\xA9") + Line("ck ca", "\x82\xC1\x82\xA9") + Line("e t", "et") +
          Line("ot", "o t"),
      // No personal dictionaries: the image keeps the layout that the
      // past findings were made on, their arrays empty.
      "", "", "",
  };
}

// Texts with each kind of key, as pieces between CRs.
constexpr std::string_view kTexts[] = {
    "The kitten is black. I like ice cream and hot dogs, very big dogs.",
    "Kyoto has a black cat, a quick cat and the hot tea.",
    "My big dog\r\nran to the kitten.\r\rOK? quack quack kyo to",
};

// The program and its image, made once.
struct Pristine {
  DictionaryBytes bytes = Dictionaries();
  std::shared_ptr<const CompiledProgram> compiled;
  std::string image;
  std::vector<std::size_t> landmarks;
};

// Translates every text through `program`, piece by piece as the fast
// engine cuts them, under a growth limit low enough that a program that
// runs away stops at once.
std::string TranslateAll(const std::shared_ptr<const CompiledProgram>& program) {
  constexpr std::size_t kLimit = 1 << 20;
  std::string all;
  for (std::string_view text : kTexts) {
    PieceByPiece pieces(program);
    for (std::size_t begin = 0;;) {
      std::size_t cr = text.find('\r', begin);
      bool last = cr == std::string_view::npos;
      std::string piece(text.substr(begin, (last ? text.size() : cr) - begin));
      bool cr_before_lf = !last && cr + 1 < text.size() && text[cr + 1] == '\n';
      std::size_t peak = 0;
      if (!pieces.Translate(piece, begin == 0, last, cr_before_lf, kLimit, &peak)) {
        all += "[too large]";
      }
      all += piece;
      if (last) break;
      all += '\r';
      begin = cr + 1;
    }
    all += '\n';
  }
  return all;
}

// Where every array of the image begins and where its elements begin,
// found by the header ImageWriter puts before each: a count, a layout word
// that names one of the element sizes in use, zeros up to the elements,
// and the elements inside the image. Table data could pass for a header
// now and then; that only makes one more landmark.
std::vector<std::size_t> FindLandmarks(std::string_view image) {
  std::vector<std::size_t> landmarks = {image.size()};
  auto number = [&](std::size_t at) {
    std::uint64_t value;
    std::memcpy(&value, image.data() + at, sizeof value);
    return value;
  };
  for (std::size_t at = 0; at + 16 <= image.size(); at += 8) {
    std::uint64_t layout = number(at + 8);
    std::uint64_t size = layout >> 32, align = layout & 0xFFFFFFFF;
    if (align == 0 || align > 8 || size == 0 || size % align != 0 || size > 64) continue;
    std::size_t elements = (at + 16 + kImageAlignment - 1) / kImageAlignment * kImageAlignment;
    std::uint64_t count = number(at);
    if (elements > image.size() || count > (image.size() - elements) / size) continue;
    if (image.find_first_not_of('\0', at + 16) < elements) continue;
    landmarks.push_back(at);
    landmarks.push_back(elements);
    at = elements + count * size;
    at = (at + 7) / 8 * 8 - 8;  // the loop steps to the next number
  }
  return landmarks;
}

// Reads `image` as the cache would, from memory of exactly its size (so
// that AddressSanitizer sees a read past its end) aligned as a mapping is.
std::shared_ptr<const CompiledProgram> Load(std::string_view image, const DictionaryBytes& bytes) {
  std::shared_ptr<void> memory(
      ::operator new(image.size(), std::align_val_t{kImageAlignment}),
      [](void* at) { ::operator delete(at, std::align_val_t{kImageAlignment}); });
  std::memcpy(memory.get(), image.data(), image.size());
  std::span<const std::byte> view(static_cast<const std::byte*>(memory.get()), image.size());
  return ReadProgramImage(view, std::move(memory), bytes);
}

const Pristine& ThePristine() {
  static const Pristine* pristine = [] {
    auto made = new Pristine;
    namespace fs = std::filesystem;
    // A folder of its own, made where nothing stands (mkdtemp is not in
    // every C library this is built with).
    std::error_code error;
    fs::path made_folder;
    for (unsigned attempt = 0;; ++attempt) {
      made_folder = fs::temp_directory_path() /
                    ("program-image-fuzzer-" + std::to_string(std::random_device{}()));
      if (fs::create_directory(made_folder, error)) break;
      if (attempt == 100) fuzz::Fail("cannot make a temporary folder");
    }
    std::string folder = made_folder.string() + '/';
    for (std::size_t i = 0; i < kDictionaryFiles.size(); ++i) {
      std::ofstream(folder + std::string(kDictionaryFiles[i]), std::ios::binary) << made->bytes[i];
    }
    made->compiled = CompileFolders({folder, ""});
    fs::remove_all(made_folder, error);
    made->image = ProgramImageOf(made->bytes, *made->compiled);
    made->landmarks = FindLandmarks(made->image);
    // Without these the fuzzer would only ever see images it refuses.
    std::shared_ptr<const CompiledProgram> loaded = Load(made->image, made->bytes);
    if (!loaded) fuzz::Fail("the undamaged image does not load");
    std::string expected = TranslateAll(made->compiled);
    if (TranslateAll(loaded) != expected) fuzz::Fail("the undamaged image translates otherwise");
    if (made->landmarks.size() < 40) fuzz::Fail("too few arrays found in the image");
    std::fprintf(stderr, "program image: %zu bytes, %zu landmarks\n", made->image.size(),
                 made->landmarks.size());
    return made;
  }();
  return *pristine;
}

std::uint32_t Read32(const std::uint8_t* at) {
  return at[0] | at[1] << 8 | at[2] << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

void Apply(const std::uint8_t* edit, const std::vector<std::size_t>& landmarks,
           std::string& image) {
  constexpr std::size_t kLongestExtension = 1 << 16;
  const unsigned op = edit[0] & 7, lane = (edit[0] >> 4) & 3;
  const auto delta = static_cast<std::int16_t>(edit[2] | edit[3] << 8);
  const std::uint32_t value = Read32(edit + 4);
  const std::int64_t at = static_cast<std::int64_t>(landmarks[edit[1] % landmarks.size()]) +
                          std::int64_t{4} * delta + lane;
  if (at < 0) return;
  const auto offset = static_cast<std::size_t>(at);
  if (op == 4) {
    if (offset <= image.size() + kLongestExtension) {
      image.resize(offset, static_cast<char>(value));
    }
    return;
  }
  const std::size_t width = op == 2 ? 1 : op == 3 ? 8 : 4;
  const std::size_t start = offset / width * width;
  if (start + width > image.size()) return;
  char* bytes = image.data() + start;
  if (width == 1) {
    *bytes = static_cast<char>(value);
  } else if (width == 8) {
    auto wide = static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(value)));
    std::memcpy(bytes, &wide, 8);
  } else {
    std::uint32_t old;
    std::memcpy(&old, bytes, 4);
    std::uint32_t now = op == 1 ? old + value : op == 5 ? old ^ value : value;
    std::memcpy(bytes, &now, 4);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kEditBytes = 8;
  constexpr std::size_t kMostEdits = 64;
  // A few bytes left over are no edit; they cost nothing either.
  if (size / kEditBytes > kMostEdits) return -1;
  const Pristine& pristine = ThePristine();
  std::string image = pristine.image;
  for (std::size_t at = 0; at + kEditBytes <= size; at += kEditBytes) {
    Apply(data + at, pristine.landmarks, image);
  }
  std::shared_ptr<const CompiledProgram> loaded;
  try {
    loaded = Load(image, pristine.bytes);
  } catch (const std::exception&) {
    return 0;  // BadImage, or no memory for a count that passed: refused
  }
  if (loaded) TranslateAll(loaded);
  return 0;
}
