// The fast engine against the literal one, on random texts and random
// dictionaries: same text byte for byte, or the same error at the same line.
//
// The generator leans on what breaks engines like this: words the tables
// know, dictionary values that hold other keys or the plural marker, blank
// and space-padded keys, letter codes typed by the user, every kind of line
// break, runs of spaces, capitals and non-ASCII text. Each run prints its
// seed; MIKAWASE_SEED=<seed> reproduces it and MIKAWASE_CASES sets the count.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "dictionary/dictionary_file.h"
#include "dictionary_folder.h"
#include "fast/fast_engine.h"
#include "literal/literal_engine.h"
#include "platform/cp932.h"
#include "mikawase/translate.h"
#include "rules/pipeline.h"

// The sanitizer build sets fewer: a translation there costs a hundred times
// as much.
#ifndef MIKAWASE_DIFFERENTIAL_CASES
#define MIKAWASE_DIFFERENTIAL_CASES 3000
#endif

namespace mikawase {
namespace {

class RandomCase {
 public:
  // A dense case draws texts and keys from a handful of short pieces, so
  // that rules collide, overlap and feed each other far more often than in
  // prose; the other cases look more like text.
  RandomCase(std::uint64_t seed, bool dense) : random_(seed), dense_(dense) {}

  std::string Text() {
    if (dense_) return Dense(Pick(0, 30));
    std::string text;
    int tokens = Pick(0, 24);
    for (int i = 0; i < tokens; ++i) {
      text += Token();
      text += Separator();
    }
    return text;
  }

  // The bytes of a dictionary file, sometimes broken.
  std::string Dictionary(bool allow_failure) {
    std::string bytes;
    int lines = Pick(0, 10);
    const char* line_end = OneOf<const char*>({"\r\n", "\r\n", "\n", "\r"});
    for (int i = 0; i < lines; ++i) {
      bytes += fixtures::DictionaryLine(Key(), Value());
      bytes += line_end;
    }
    if (allow_failure && Pick(0, 19) == 0) {
      switch (Pick(0, 3)) {
        case 0: bytes += "short\r\n"; break;
        case 1: bytes += "\r\n"; break;
        case 2: bytes += fixtures::DictionaryLine("bad", "") + "\xFD\r\n"; break;
        case 3: bytes += fixtures::DictionaryLine(Key(), Value()) + line_end + line_end; break;
      }
      bytes += fixtures::DictionaryLine(Key(), Value());
    }
    return bytes;
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

 private:
  template <typename T>
  T OneOf(std::initializer_list<T> choices) {
    return *(choices.begin() + Pick(0, static_cast<int>(choices.size()) - 1));
  }

  // Dictionary lines cannot hold line breaks; texts can.
  std::string Dense(int pieces, bool line_breaks = true) {
    std::string text;
    for (int i = 0; i < pieces; ++i) {
      int choice = Pick(0, line_breaks ? 18 : 15);
      text += std::initializer_list<const char*>{
          "a", "s", " ", " ", "  ", "I", ".", "x", "do", "er", "％１０００", "猫", "ing", "A", "S", " ",
          "\r", "\n", "\r\n"}.begin()[choice];
    }
    return text;
  }

  std::string KnownWord() {
    static const std::vector<std::string> words = [] {
      std::vector<std::string> all;
      for (const Stage& stage : kPipeline) {
        for (const ReplacementRule& rule : stage.table) {
          std::string word(rule.find);
          while (!word.empty() && word.front() == ' ') word.erase(0, 1);
          while (!word.empty() && word.back() == ' ') word.pop_back();
          // Words go into the dictionaries too, which are CP932 and end a
          // line at every CR or LF (the line-break rules' patterns hold one).
          std::string encoded;
          if (!word.empty() && word.find_first_of("\r\n") == std::string::npos &&
              EncodeCp932(word, &encoded)) {
            all.push_back(word);
          }
        }
      }
      for (const char* extra : {"cat", "cats", "dog", "ice cream", "black", "s", "es", "the",
                                "do", "a", "I", "pen"}) {
        all.push_back(extra);
      }
      return all;
    }();
    return words[static_cast<std::size_t>(Pick(0, static_cast<int>(words.size()) - 1))];
  }

  std::string RandomLetters() {
    std::string word;
    int length = Pick(1, 6);
    for (int i = 0; i < length; ++i) {
      word += static_cast<char>(Pick(0, 3) == 0 ? 'A' + Pick(0, 25) : 'a' + Pick(0, 25));
    }
    return word;
  }

  std::string Token() {
    switch (Pick(0, 12)) {
      case 0: return RandomLetters();
      case 1: return OneOf<const char*>({".", ",", "?", "!", ";", "'s", "n't", "-looking", "'",
                                         "\"", "(", ")", ":", "—", "--", "’", "“", "”"});
      case 2: return OneOf<const char*>({"％０００１", "％００２４", "％１０００", "％００１０", "％"});
      case 3: return OneOf<const char*>({"猫", "日本", "　", "ｱ", "🍣", "É", "Σ", "İ"});
      case 4: {
        std::string word = KnownWord();
        if (!word.empty()) word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
        return word;
      }
      default: return KnownWord() + (Pick(0, 4) == 0 ? "s" : "");
    }
  }

  std::string Separator() {
    switch (Pick(0, 14)) {
      case 0: return "\r\n";
      case 1: return "\n";
      case 2: return "\r";
      case 3: return std::string(static_cast<std::size_t>(Pick(2, 6)), ' ');
      case 4: return "";
      default: return " ";
    }
  }

  std::string Key() {
    if (dense_) return Dense(Pick(0, 4), false);
    switch (Pick(0, 11)) {
      case 0: return "";
      case 1: return " " + KnownWord();
      case 2: return KnownWord() + " " + KnownWord();
      // Keys of three words, whose inner pairs stand elsewhere too, and
      // keys around the plural marker.
      case 10: return KnownWord() + " " + KnownWord() + " " + KnownWord();
      case 11: return KnownWord() + " ％１０００ " + KnownWord();
      case 3: return RandomLetters();
      case 4: return OneOf<const char*>({"s ％１０００", "％１０００", "、", "猫"});
      default: return KnownWord();
    }
  }

  std::string Value() {
    if (dense_) return Dense(Pick(0, 5), false);
    switch (Pick(0, 9)) {
      case 0: return "";
      case 1: return KnownWord();  // feeds later lines and later files
      case 2: return OneOf<const char*>({"％１０００", "％０００１", "値 ", "  "});
      case 3: return KnownWord() + " " + KnownWord();
      default: return OneOf<const char*>({"猫", "犬", "黒い", "ネコ", "は", "が好き"});
    }
  }

  std::mt19937_64 random_;
  bool dense_;
};

struct Outcome {
  std::string text;
  std::optional<ErrorKind> kind;
  std::string file;
  std::size_t line = 0;

  bool operator==(const Outcome&) const = default;
};

template <typename Engine>
Outcome Capture(Engine engine) {
  Outcome outcome;
  try {
    outcome.text = engine();
  } catch (const TranslationError& error) {
    outcome.kind = error.kind();
    outcome.file = error.file();
    outcome.line = error.line();
  }
  return outcome;
}

std::uint64_t EnvOr(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::strtoull(value, nullptr, 10) : fallback;
}

TEST(DifferentialTest, FastEngineAgreesWithLiteralEngine) {
  std::uint64_t seed = EnvOr("MIKAWASE_SEED", std::random_device()());
  std::uint64_t cases = EnvOr("MIKAWASE_CASES", MIKAWASE_DIFFERENTIAL_CASES);
  std::printf("differential test: MIKAWASE_SEED=%llu MIKAWASE_CASES=%llu\n",
              static_cast<unsigned long long>(seed), static_cast<unsigned long long>(cases));
  int failures = 0;
  for (std::uint64_t i = 0; i < cases && failures < 5; ++i) {
    RandomCase random(seed * 1000003 + i, i % 2 == 1);
    std::string input = random.Text();
    std::string noun = random.Dictionary(true), adjective = random.Dictionary(true),
                rome = random.Dictionary(true);
    bool missing = random.Pick(0, 49) == 0;
    // A third of the cases have personal dictionaries in front, each one
    // absent now and then.
    bool personal = random.Pick(0, 2) == 0;
    std::string personal_noun, personal_adjective, personal_rome;
    if (personal) {
      if (random.Pick(0, 3) != 0) personal_noun = random.Dictionary(true);
      if (random.Pick(0, 3) != 0) personal_adjective = random.Dictionary(true);
      if (random.Pick(0, 3) != 0) personal_rome = random.Dictionary(true);
    }
    DictionaryLoader load = [&](std::string_view name, DictionaryLayer layer) {
      if (layer == DictionaryLayer::kPersonal) {
        const std::string& bytes = name == "noun.txt"        ? personal_noun
                                   : name == "adjective.txt" ? personal_adjective
                                                             : personal_rome;
        return ParseDictionary(bytes, "personal/" + std::string(name));
      }
      if (missing && name == "adjective.txt") {
        throw TranslationError(ErrorKind::kMissingFile, "adjective.txt", 0, "missing");
      }
      const std::string& bytes = name == "noun.txt" ? noun : name == "adjective.txt" ? adjective : rome;
      return ParseDictionary(bytes, std::string(name));
    };
    Outcome literal = Capture([&] { return TranslateLiterally(input, load); });
    Outcome fast = Capture([&] { return TranslateFast(input, load); });
    if (literal == fast) continue;
    ++failures;
    ADD_FAILURE() << "case " << i << " of seed " << seed << "\ninput: "
                  << ::testing::PrintToString(input) << "\nnoun: " << ::testing::PrintToString(noun)
                  << "\nadjective: " << ::testing::PrintToString(adjective)
                  << "\nrome: " << ::testing::PrintToString(rome)
                  << "\nliteral: " << ::testing::PrintToString(literal.text) << " error "
                  << literal.file << ":" << literal.line
                  << "\nfast:    " << ::testing::PrintToString(fast.text) << " error " << fast.file
                  << ":" << fast.line;
  }
}

// Words are run one by one and remembered; these are the ways neighbours
// reach each other, each repeated so that the remembered word is reused.
TEST(DifferentialTest, NeighbouringWordsAgree) {
  struct Case {
    const char* input;
    const char* noun;  // "key=value" lines, ';' between them
    const char* rome;
  };
  const Case cases[] = {
      {"cat cat cat. the cat cat.", "cat=dog;dog=x", ""},     // one pass, shared space
      {"ice cream and ice cream.", "ice cream=A;ice=B", ""},  // two-word key
      {"an ice. ice cream.", "ice cream=A;cream=C", ""},
      {"at first, at first.", "", ""},                        // built-in phrase
      {"cats s cats.", "cat=n", "s ％１０００=Q"},             // marker across words
      {"ab cd ab cd.", "", "b c=X"},                          // substring across a space
      // "b c" sees the word "cb" that "q" made, and changes it for good:
      // no other turn of a rule with a space inside sees that version.
      {"b cq c.", "", "q=b;b c=X;b=Z"},
      {"ab cd ab cd.", "ab=p q;q cd=R", ""},                  // value makes a two-word key
      {"go go go.", "go=  ;g=h", ""},                         // value of spaces only
      {"x y x y.", "x= y;y=z", ""},
      // The value leaves an empty last word, and the pattern starts with
      // the space before it.
      {"ab cd ab cd.", "ab=x ", "  c=Q"},
      // Three-word keys: their inner pairs also stand where the word
      // before is another, or in the window before.
      {"has to go. was to go. logs on. is on.", "has ％１０００ to=H;logs ％１０００ on=L", ""},
      {"a b c. b c. a b c d. x b c d.", "a b c=X;b c d=Y", ""},
      {"x b c. a b c.", "x=a;a b c=Q", ""},
      {"p q r s. q r s. p q r.", "p q r s=W;q r=V", ""},
      // Many keys that share a first word, one made by a value.
      {"do not like it. do not love. do not. not like.",
       "do not=〓否;〓否 like=好;〓否 love=愛;〓否 lovely=可;〓否 like it=它", ""},
  };
  auto file = [](std::string_view lines) {
    std::string bytes;
    while (!lines.empty()) {
      std::size_t end = std::min(lines.find(';'), lines.size());
      std::string_view line = lines.substr(0, end);
      std::size_t eq = line.find('=');
      bytes += fixtures::DictionaryLine(line.substr(0, eq), line.substr(eq + 1)) + "\r\n";
      lines.remove_prefix(std::min(end + 1, lines.size()));
    }
    return bytes;
  };
  for (const Case& c : cases) {
    std::string noun = file(c.noun), rome = file(c.rome);
    DictionaryLoader load = [&](std::string_view name, DictionaryLayer layer) {
      bool shipped = layer == DictionaryLayer::kShipped;
      return ParseDictionary(!shipped ? "" : name == "noun.txt" ? noun : name == "rome.txt" ? rome : "",
                             std::string(name));
    };
    EXPECT_EQ(TranslateFast(c.input, load), TranslateLiterally(c.input, load)) << c.input;
  }
}

// Text whose words never repeat makes the engine stop remembering words
// partway, on long lines and on many short ones alike; what it then does
// must still be exact. Random words mostly miss the random dictionaries,
// so each case also repeats a few dictionary keys among them.
TEST(DifferentialTest, WordsThatNeverRepeatAgree) {
  std::uint64_t seed = EnvOr("MIKAWASE_SEED", std::random_device()());
  std::printf("unique words test: MIKAWASE_SEED=%llu\n", static_cast<unsigned long long>(seed));
  std::mt19937_64 random(seed);
  auto word = [&] {
    std::string w;
    for (int n = 3 + static_cast<int>(random() % 6); n > 0; --n) w += static_cast<char>('a' + random() % 26);
    return w;
  };
  for (const char* separator : {" ", "\r\n"}) {
    RandomCase dictionaries(seed, false);
    std::string noun = dictionaries.Dictionary(false), rome = dictionaries.Dictionary(false);
    noun += fixtures::DictionaryLine("cat", "ねこ") + "\r\n";
    std::string text;
    for (int i = 0; i < 12000; ++i) {
      text += i % 50 == 0 ? std::string("Cat") : word();
      text += i % 12 == 11 ? separator : " ";
    }
    DictionaryLoader load = [&](std::string_view name, DictionaryLayer layer) {
      bool shipped = layer == DictionaryLayer::kShipped;
      return ParseDictionary(!shipped ? "" : name == "noun.txt" ? noun : name == "rome.txt" ? rome : "",
                             std::string(name));
    };
    EXPECT_EQ(TranslateFast(text, load), TranslateLiterally(text, load))
        << "lines end with " << ::testing::PrintToString(std::string(separator));
  }
}

}  // namespace
}  // namespace mikawase

namespace mikawase {
namespace {

// Streaming must render exactly what a whole translation renders, however
// the input is cut into parts (at character boundaries, as the filter cuts).
TEST(DifferentialTest, StreamingAgreesWithWholeTranslation) {
  std::uint64_t seed = EnvOr("MIKAWASE_SEED", std::random_device()());
  std::printf("streaming test: MIKAWASE_SEED=%llu\n", static_cast<unsigned long long>(seed));
  for (std::uint64_t i = 0; i < 300; ++i) {
    RandomCase random(seed * 7919 + i, i % 2 == 1);
    std::string input = random.Text() + random.Text();
    fixtures::DictionaryFolder folder;
    folder.WriteBytes("noun.txt", random.Dictionary(false));
    folder.WriteBytes("adjective.txt", random.Dictionary(false));
    folder.WriteBytes("rome.txt", random.Dictionary(false));
    std::string whole;
    try {
      whole = TranslateWithDataFolder(input, folder.path());
    } catch (const TranslationError&) {
      continue;  // a key or value the generator made invalid
    }
    StreamingTranslation streaming(folder.path());
    std::string parts;
    std::size_t at = 0;
    while (at < input.size()) {
      std::size_t cut = std::min(input.size(), at + static_cast<std::size_t>(random.Pick(0, 12)));
      while (cut < input.size() && (static_cast<unsigned char>(input[cut]) & 0xC0) == 0x80) ++cut;
      parts += streaming.Feed(std::string_view(input).substr(at, cut - at));
      at = cut;
    }
    parts += streaming.Finish();
    ASSERT_EQ(parts, whole) << "case " << i << " of seed " << seed
                            << "\ninput: " << ::testing::PrintToString(input);
  }
}

}  // namespace
}  // namespace mikawase
