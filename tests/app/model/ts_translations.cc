#include "ts_translations.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

namespace mikawase::model {

namespace {

// The five entities lupdate writes, and numeric ones never (it writes UTF-8).
std::string Unescaped(std::string_view text) {
  constexpr std::pair<std::string_view, char> kEntities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool replaced = false;
    for (const auto& [entity, character] : kEntities) {
      if (text.substr(i).starts_with(entity)) {
        plain += character;
        i += entity.size() - 1;
        replaced = true;
        break;
      }
    }
    if (!replaced) plain += text[i];
  }
  return plain;
}

// The text between the next <tag> (or <tag ...>) and its </tag> from
// `from` on, and `from` moved past it; false when there is none. Enough
// for the regular shape lupdate writes, not for XML at large.
bool Element(const std::string& xml, std::string_view tag, std::size_t* from, std::string* text,
             std::string* attributes = nullptr) {
  std::string open = "<" + std::string(tag), close = "</" + std::string(tag) + ">";
  std::size_t start = xml.find(open, *from);
  if (start == std::string::npos) return false;
  std::size_t body = xml.find('>', start);
  std::size_t end = xml.find(close, body);
  if (body == std::string::npos || end == std::string::npos) return false;
  if (attributes) *attributes = xml.substr(start + open.size(), body - start - open.size());
  *text = Unescaped(std::string_view(xml).substr(body + 1, end - body - 1));
  *from = end + close.size();
  return true;
}

}  // namespace

std::map<std::pair<std::string, std::string>, std::string> ReadTsFile(const std::string& path) {
  std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())),
                   std::ios::binary);
  std::string xml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::map<std::pair<std::string, std::string>, std::string> translations;
  std::size_t at = 0;
  for (std::string context_xml; Element(xml, "context", &at, &context_xml);) {
    std::size_t in_context = 0;
    std::string name, message;
    Element(context_xml, "name", &in_context, &name);
    while (Element(context_xml, "message", &in_context, &message)) {
      std::size_t in_message = 0;
      std::string source, translation, attributes;
      if (!Element(message, "source", &in_message, &source) ||
          !Element(message, "translation", &in_message, &translation, &attributes)) {
        continue;
      }
      if (attributes.find("type=") == std::string::npos) {
        translations[{name, source}] = translation;
      }
    }
  }
  return translations;
}

std::string InJapanese(const Text& text) {
  static const auto* const kJapanese =
      new std::map<std::pair<std::string, std::string>, std::string>(
          ReadTsFile(MIKAWASE_JAPANESE_TS));
  auto found = kJapanese->find({text.context, text.english});
  return found == kJapanese->end() ? text.english : found->second;
}

}  // namespace mikawase::model
