// An array that either owns its elements or views elements owned by
// someone else.
//
// A compiled program is built into owned arrays, but a program loaded from
// the on-disk cache (compiled_cache.h) uses its arrays in place, straight
// from the file's mapping: copying them would fault in and write every page
// of fresh memory, which is what the cache is there to avoid. Readers see
// one pointer and one size either way, so hot loops cost the same.
#ifndef MIKAWASE_FLAT_ARRAY_H_
#define MIKAWASE_FLAT_ARRAY_H_

#include <cassert>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

namespace mikawase {

template <class T>
class FlatArray {
 public:
  FlatArray() = default;
  FlatArray(const FlatArray& other) { *this = other; }
  FlatArray(FlatArray&& other) noexcept { *this = std::move(other); }
  FlatArray& operator=(const FlatArray& other) {
    if (this == &other) return *this;
    owned_ = other.owned_;
    Own();
    if (other.views_) SetView(other.data_, other.size_);
    return *this;
  }
  FlatArray& operator=(FlatArray&& other) noexcept {
    if (this == &other) return *this;
    owned_ = std::move(other.owned_);
    Own();
    if (other.views_) SetView(other.data_, other.size_);
    other.owned_.clear();
    other.Own();
    return *this;
  }

  // Views `elements`, which must outlive this (or its next change).
  static FlatArray View(std::span<const T> elements) {
    FlatArray array;
    array.SetView(elements.data(), elements.size());
    return array;
  }

  const T* data() const { return data_; }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const T& operator[](std::size_t at) const { return data_[at]; }
  const T* begin() const { return data_; }
  const T* end() const { return data_ + size_; }
  std::span<const T> span() const { return {data_, size_}; }

  // For building. Only an owning array may be written to (a view's memory
  // is mapped read-only), but a non-const view must still read its own
  // elements, so these too go through data_.
  T& operator[](std::size_t at) { return const_cast<T*>(data_)[at]; }
  T* begin() { return const_cast<T*>(data_); }
  T* end() { return begin() + size_; }
  void assign(std::size_t count, const T& value) {
    owned_.assign(count, value);
    Own();
  }
  void resize(std::size_t count, const T& value = T()) {
    assert(!views_);
    owned_.resize(count, value);
    Own();
  }
  void push_back(const T& value) {
    assert(!views_);
    owned_.push_back(value);
    Own();
  }
  FlatArray& operator=(std::vector<T>&& elements) {
    owned_ = std::move(elements);
    Own();
    return *this;
  }

 private:
  void Own() {
    data_ = owned_.data();
    size_ = owned_.size();
    views_ = false;
  }
  void SetView(const T* data, std::size_t size) {
    data_ = data;
    size_ = size;
    views_ = true;
  }

  std::vector<T> owned_;
  const T* data_ = nullptr;
  std::size_t size_ = 0;
  bool views_ = false;
};

}  // namespace mikawase

#endif  // MIKAWASE_FLAT_ARRAY_H_
