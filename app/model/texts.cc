#include "texts.h"

#include <vector>

namespace mikawase::model {

bool Translated(const Translate& translate, const Text& text, std::string* said) {
  *said = translate(text);
  return *said != text.english;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
  std::vector<std::string_view> given(arguments);
  std::string filled;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    bool numbered = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                    pattern[i + 1] <= '9';
    std::size_t number = numbered ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
    if (numbered && number < given.size()) {
      filled += given[number];
      ++i;
      continue;
    }
    filled += pattern[i];
  }
  return filled;
}

}  // namespace mikawase::model
