#include "fast/aho_corasick.h"

#include <algorithm>
#include <deque>
#include <string_view>

#include "error_messages.h"

namespace mikawase {

AhoCorasick::AhoCorasick(const std::vector<std::string_view>& patterns) {
  // Byte classes: every byte that occurs in a pattern gets its own class;
  // all others share class 0, which always leads back to the root.
  for (std::string_view pattern : patterns) {
    for (unsigned char c : pattern) {
      if (byte_class_[c] == 0) byte_class_[c] = static_cast<std::uint16_t>(classes_++);
    }
  }
  constexpr std::uint32_t kUnset = kNone;
  std::vector<std::uint32_t> pattern_at;  // state -> pattern index ending there, or kNone
  auto add_state = [&] {
    next_.resize(next_.size() + classes_, kUnset);
    pattern_at.push_back(kNone);
    return static_cast<std::uint32_t>(pattern_at.size() - 1);
  };
  add_state();  // the root
  for (std::uint32_t index = 0; index < patterns.size(); ++index) {
    std::string_view pattern = patterns[index];
    if (pattern.empty()) continue;
    std::uint32_t state = 0;
    for (unsigned char c : pattern) {
      std::uint32_t& slot = next_[state * classes_ + byte_class_[c]];
      if (slot == kUnset) {
        std::uint32_t created = add_state();
        // add_state may have moved next_; index again.
        next_[state * classes_ + byte_class_[c]] = created;
        state = created;
      } else {
        state = slot;
      }
    }
    // Duplicates were removed by the caller; keep the first if not.
    if (pattern_at[state] == kNone) pattern_at[state] = index;
  }

  // Breadth-first: failure links, then the full transition table, so that
  // scanning never follows a failure link at run time.
  std::size_t states = pattern_at.size();
  std::vector<std::uint32_t> fail(states, 0);
  output_.assign(states, kNone);
  output_link_.assign(states, kNone);
  pattern_of_.assign(states, kNone);
  std::deque<std::uint32_t> queue;
  for (std::uint32_t cls = 0; cls < classes_; ++cls) {
    std::uint32_t& slot = next_[cls];
    if (slot == kUnset || cls == 0) {
      slot = 0;
    } else {
      fail[slot] = 0;
      queue.push_back(slot);
    }
  }
  while (!queue.empty()) {
    std::uint32_t state = queue.front();
    queue.pop_front();
    // A state's outputs: its own pattern, then those of its failure state.
    std::uint32_t inherited = output_[fail[state]];
    if (pattern_at[state] != kNone) {
      pattern_of_[state] = pattern_at[state];
      output_link_[state] = inherited;
      output_[state] = state;
    } else {
      output_[state] = inherited;
    }
    for (std::uint32_t cls = 0; cls < classes_; ++cls) {
      std::uint32_t& slot = next_[state * classes_ + cls];
      std::uint32_t via_fail = next_[fail[state] * classes_ + cls];
      if (slot == kUnset || cls == 0) {
        slot = cls == 0 ? 0 : via_fail;
      } else {
        fail[slot] = via_fail;
        queue.push_back(slot);
      }
    }
  }
  // Rows instead of states, and the output bit, for Scan's inner loop.
  if (static_cast<std::uint64_t>(states) * classes_ >= kHasOutput) {
    throw TooLargeError("a stage has more patterns than one automaton can hold");
  }
  for (std::uint32_t& target : next_) {
    target = target * classes_ | (output_[target] != kNone ? kHasOutput : 0);
  }
  NoteStartingBytes();
}

void AhoCorasick::NoteStartingBytes() {
  for (unsigned byte = 0; byte < 256; ++byte) starts_pattern_[byte] = next_[byte_class_[byte]] != 0;
  // From a first byte's state, a second byte leads one level deeper only
  // where the two begin a pattern; otherwise back to the root or to a state
  // one byte deep, which the second byte reaches from the root.
  std::vector<bool> one_deep(next_.size() / classes_, false);
  for (std::uint32_t cls = 1; cls < classes_; ++cls) one_deep[(next_[cls] & ~kHasOutput) / classes_] = true;
  starts_pair_.fill(0);
  for (unsigned first = 0; first < 256; ++first) {
    std::uint32_t step = next_[byte_class_[first]];
    std::uint32_t row = step & ~kHasOutput;
    if (row == 0) continue;
    for (unsigned second = 0; second < 256; ++second) {
      std::uint32_t target = (next_[row + byte_class_[second]] & ~kHasOutput) / classes_;
      if ((step & kHasOutput) != 0 || (target != 0 && !one_deep[target])) {
        unsigned pair = first << 8 | second;
        starts_pair_[pair / 64] |= std::uint64_t{1} << (pair % 64);
      }
    }
  }
  std::string_view prose = "abcdefghijklmnopqrstuvwxyz ";
  std::size_t prose_pairs = 0;
  for (unsigned char first : prose) {
    for (unsigned char second : prose) prose_pairs += StartsPair(first, second);
  }
  skip_at_root_ = prose_pairs * 16 <= prose.size() * prose.size();
}

// Saving and loading.

void AhoCorasick::Save(ImageWriter& image) const {
  image.PutArray(std::span<const std::uint16_t>(byte_class_));
  image.PutNumber(classes_);
  image.PutArray(next_.span());
  image.PutArray(output_.span());
  image.PutArray(output_link_.span());
  image.PutArray(pattern_of_.span());
}

std::unique_ptr<AhoCorasick> AhoCorasick::Load(ImageReader& image, std::size_t pattern_bound) {
  std::unique_ptr<AhoCorasick> automaton(new AhoCorasick);
  std::span<const std::uint16_t> byte_class = image.Array<std::uint16_t>();
  if (byte_class.size() != automaton->byte_class_.size()) throw BadImage("no byte classes");
  std::copy(byte_class.begin(), byte_class.end(), automaton->byte_class_.begin());
  constexpr std::uint64_t kMostClasses = 257;  // a class per byte, and class 0
  automaton->classes_ = static_cast<std::uint32_t>(image.NumberBelow(kMostClasses + 1));
  automaton->next_ = FlatArray<std::uint32_t>::View(image.Array<std::uint32_t>());
  automaton->output_ = FlatArray<std::uint32_t>::View(image.Array<std::uint32_t>());
  automaton->output_link_ = FlatArray<std::uint32_t>::View(image.Array<std::uint32_t>());
  automaton->pattern_of_ = FlatArray<std::uint32_t>::View(image.Array<std::uint32_t>());
  automaton->CheckLoaded(pattern_bound);
  automaton->NoteStartingBytes();
  return automaton;
}

void AhoCorasick::CheckLoaded(std::size_t pattern_bound) const {
  if (classes_ == 0 || next_.empty() || next_.size() % classes_ != 0 ||
      next_.size() >= kHasOutput) {
    throw BadImage("an automaton is misshapen");
  }
  std::size_t states = next_.size() / classes_;
  if (output_.size() != states || output_link_.size() != states || pattern_of_.size() != states) {
    throw BadImage("an automaton's tables disagree");
  }
  for (std::uint16_t cls : byte_class_) {
    if (cls >= classes_) throw BadImage("a byte class is out of range");
  }
  for (std::uint32_t target : next_) {
    std::uint32_t row = target & ~kHasOutput;
    if (row % classes_ != 0 || row >= next_.size()) throw BadImage("a transition leaves the table");
  }
  // Whatever an output chain reaches must report a pattern.
  auto reports = [&](std::uint32_t state) {
    return state == kNone || (state < states && pattern_of_[state] < pattern_bound);
  };
  for (std::size_t state = 0; state < states; ++state) {
    if (!reports(output_[state]) || !reports(output_link_[state])) {
      throw BadImage("an output leaves the table");
    }
  }
  if (!OutputChainsEnd()) throw BadImage("an output chain goes round");
}

// Whether following output_link_ from any state reaches kNone: each state
// is walked once, marked while on the current path and when known to end.
bool AhoCorasick::OutputChainsEnd() const {
  enum : std::uint8_t { kUnseen, kOnPath, kEnds };
  std::vector<std::uint8_t> mark(output_link_.size(), kUnseen);
  std::vector<std::uint32_t> path;
  for (std::uint32_t start = 0; start < output_link_.size(); ++start) {
    path.clear();
    std::uint32_t state = start;
    while (state != kNone && mark[state] == kUnseen) {
      mark[state] = kOnPath;
      path.push_back(state);
      state = output_link_[state];
    }
    if (state != kNone && mark[state] == kOnPath) return false;
    for (std::uint32_t walked : path) mark[walked] = kEnds;
  }
  return true;
}

}  // namespace mikawase
