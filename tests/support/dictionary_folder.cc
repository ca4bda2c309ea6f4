#include "dictionary_folder.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace mikawase::fixtures {

std::string EncodeCp932(std::string_view utf8) {
  UErrorCode status = U_ZERO_ERROR;
  std::u16string utf16(utf8.size() + 1, u'\0');
  int32_t length = 0;
  u_strFromUTF8(utf16.data(), static_cast<int32_t>(utf16.size()), &length, utf8.data(),
                static_cast<int32_t>(utf8.size()), &status);
  utf16.resize(static_cast<std::size_t>(length));
  UConverter* converter = ucnv_open("ibm-943_P15A-2003", &status);
  ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  std::string bytes(utf16.size() * 2 + 1, '\0');
  int32_t written = ucnv_fromUChars(converter, bytes.data(), static_cast<int32_t>(bytes.size()),
                                    utf16.data(), static_cast<int32_t>(utf16.size()), &status);
  ucnv_close(converter);
  if (U_FAILURE(status)) {
    std::fprintf(stderr, "fixture text has no CP932 form: %.*s\n", static_cast<int>(utf8.size()),
                 utf8.data());
    std::abort();
  }
  bytes.resize(static_cast<std::size_t>(written));
  return bytes;
}

std::string DictionaryLine(std::string_view key, std::string_view value) {
  std::string field(key);
  std::size_t characters = 0;
  for (unsigned char c : key) characters += (c & 0xC0) != 0x80;
  for (; characters < 15; ++characters) field += ' ';
  return EncodeCp932(field + std::string(value));
}

DictionaryFolder::DictionaryFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "mikawase-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern + "/";
  for (const char* name : {"noun.txt", "adjective.txt", "rome.txt"}) WriteBytes(name, "");
}

DictionaryFolder::~DictionaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void DictionaryFolder::Write(const std::string& name, const Entries& entries) {
  std::string bytes;
  for (const auto& [key, value] : entries) bytes += DictionaryLine(key, value) + "\r\n";
  WriteBytes(name, bytes);
}

void DictionaryFolder::WriteBytes(const std::string& name, std::string_view bytes) {
  std::ofstream out(path_ + name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write fixture " + path_ + name);
}

void DictionaryFolder::Remove(const std::string& name) { std::filesystem::remove(path_ + name); }

}  // namespace mikawase::fixtures
