// A compiled program as one flat run of bytes: numbers and arrays of
// trivially copyable elements, written and read back in the same order.
//
// The on-disk cache (compiled_cache.h) maps such an image and hands its
// arrays to the program as views, so every array starts at a multiple of
// 64 bytes from the image's start, and the image itself starts at such an
// offset in the file. Whatever the bytes say, the reader never reads
// outside the image: every count is checked against what is left, and any
// inconsistency throws BadImage, upon which the caller compiles afresh.
#ifndef MIKAWASE_PROGRAM_IMAGE_H_
#define MIKAWASE_PROGRAM_IMAGE_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace mikawase {

inline constexpr std::size_t kImageAlignment = 64;

// An image that does not hold what its reader expects.
class BadImage : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Only elements whose every byte is a value can be written and then used in
// place: no padding (whose bytes would be left undefined) and no pointers.
template <class T>
concept ImageElement =
    std::is_trivially_copyable_v<T> && std::has_unique_object_representations_v<T>;

class ImageWriter {
 public:
  void PutNumber(std::uint64_t value) { Append(&value, sizeof value); }

  // The count and the element's size and alignment, so that a reader whose
  // struct differs rejects the image, then the elements at the next
  // multiple of kImageAlignment.
  template <ImageElement T>
  void PutArray(std::span<const T> items) {
    PutNumber(items.size());
    PutNumber(std::uint64_t{sizeof(T)} << 32 | alignof(T));
    PadTo(kImageAlignment);
    Append(items.data(), items.size_bytes());
    PadTo(sizeof(std::uint64_t));
  }

  const std::string& bytes() const { return bytes_; }

 private:
  void Append(const void* data, std::size_t size) {
    bytes_.append(static_cast<const char*>(data), size);
  }
  void PadTo(std::size_t alignment) { bytes_.resize((bytes_.size() + alignment - 1) / alignment * alignment, '\0'); }

  std::string bytes_;
};

class ImageReader {
 public:
  // `image` must start at a multiple of kImageAlignment in memory.
  explicit ImageReader(std::span<const std::byte> image) : image_(image) {}

  std::uint64_t Number() {
    if (image_.size() - at_ < sizeof(std::uint64_t)) throw BadImage("the image ends early");
    std::uint64_t value;
    std::memcpy(&value, image_.data() + at_, sizeof value);
    at_ += sizeof value;
    return value;
  }

  // A number that must be below `bound`.
  std::uint64_t NumberBelow(std::uint64_t bound) {
    std::uint64_t value = Number();
    if (value >= bound) throw BadImage("a number is out of range");
    return value;
  }

  // The next array, viewed in place.
  template <ImageElement T>
  std::span<const T> Array() {
    std::uint64_t count = Number();
    if (Number() != (std::uint64_t{sizeof(T)} << 32 | alignof(T))) {
      throw BadImage("an array's elements have another layout");
    }
    Skip(Padding(kImageAlignment));
    if (count > (image_.size() - at_) / sizeof(T)) throw BadImage("an array runs past the end");
    const T* items = reinterpret_cast<const T*>(image_.data() + at_);
    at_ += count * sizeof(T);
    Skip(Padding(sizeof(std::uint64_t)));
    return {items, static_cast<std::size_t>(count)};
  }

  bool AtEnd() const { return at_ == image_.size(); }

 private:
  std::size_t Padding(std::size_t alignment) const {
    return (alignment - at_ % alignment) % alignment;
  }
  void Skip(std::size_t bytes) {
    if (image_.size() - at_ < bytes) throw BadImage("the image ends early");
    at_ += bytes;
  }

  std::span<const std::byte> image_;
  std::size_t at_ = 0;
};

}  // namespace mikawase

#endif  // MIKAWASE_PROGRAM_IMAGE_H_
