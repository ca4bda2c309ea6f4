#include "aho_corasick.h"

#include <deque>
#include <stdexcept>

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
    throw std::length_error("too many patterns for one automaton");
  }
  for (std::uint32_t& target : next_) {
    target = target * classes_ | (output_[target] != kNone ? kHasOutput : 0);
  }
}

}  // namespace mikawase
