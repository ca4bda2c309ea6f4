// The automaton must report every occurrence, whichever way it reads the
// text: byte by byte, or passing over pairs of bytes that begin no pattern
// (chosen when running prose rarely begins one).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fast/aho_corasick.h"

namespace mikawase {
namespace {

using Occurrence = std::pair<std::size_t, std::uint32_t>;  // end, pattern

std::vector<Occurrence> Naively(const std::vector<std::string_view>& patterns,
                                std::string_view text) {
  std::vector<Occurrence> found;
  for (std::size_t end = 1; end <= text.size(); ++end) {
    for (std::uint32_t i = 0; i < patterns.size(); ++i) {
      std::string_view pattern = patterns[i];
      if (!pattern.empty() && pattern.size() <= end &&
          text.substr(end - pattern.size(), pattern.size()) == pattern) {
        found.emplace_back(end, i);
      }
    }
  }
  return found;
}

std::vector<Occurrence> Scanned(const AhoCorasick& automaton, std::string_view text) {
  // Scan reports in order of the ends, but not which end: recover it by
  // scanning ever longer prefixes.
  std::vector<Occurrence> found;
  for (std::size_t end = 1; end <= text.size(); ++end) {
    std::vector<std::uint32_t> before, now;
    automaton.Scan(text.substr(0, end - 1), [&](std::uint32_t p) { before.push_back(p); });
    automaton.Scan(text.substr(0, end), [&](std::uint32_t p) { now.push_back(p); });
    for (std::size_t i = before.size(); i < now.size(); ++i) found.emplace_back(end, now[i]);
  }
  std::sort(found.begin(), found.end());
  return found;
}

struct PatternSet {
  const char* name;
  std::vector<std::string_view> patterns;
};

// Sets like the engine's: names and punctuation before lowercasing and
// spacing with a pattern of spaces (passed over pair by pair), and
// lowercase spelling (read byte by byte). Each has a byte that begins a
// pattern only with a particular byte after it.
const PatternSet kSets[] = {
    {"names and punctuation", {"I ", "And ", "Japanese", "Japan", "U.S.", ".", ",", "?"}},
    {"spacing", {"n't", "I'm", "We're", "   ", "  "}},
    {"spelling", {"ther", "her", "er", "a", "ka", " kn", "tt"}},
};

TEST(AhoCorasickTest, FindsWhatANaiveSearchFinds) {
  const std::string alphabet = "IAndJapesU.S,?'mWr kthn";
  std::mt19937 random(20261208);
  for (const PatternSet& set : kSets) {
    AhoCorasick automaton(set.patterns);
    std::vector<std::string> texts = {"",    "I",     "I ",    "II ",  "Japa",  "Japan",
                                      "U.S", "U.S.", "n'",   "n't",  "  ",    " n't  "};
    // Every pattern in prose, at every place up to the end.
    const std::string prose = "the cat sat on the mat and then it ran off to see a dog ";
    for (std::string_view pattern : set.patterns) {
      for (std::size_t at = 0; at < 40; ++at) {
        texts.push_back(prose.substr(0, at) + std::string(pattern) + prose.substr(at, 20));
      }
    }
    for (int i = 0; i < 300; ++i) {
      std::string text(random() % 60, ' ');
      for (char& c : text) c = alphabet[random() % alphabet.size()];
      texts.push_back(text);
    }
    for (const std::string& text : texts) {
      EXPECT_EQ(Scanned(automaton, text), Naively(set.patterns, text))
          << set.name << ": " << testing::PrintToString(text);
    }
  }
}

}  // namespace
}  // namespace mikawase
