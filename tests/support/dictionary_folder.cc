#include "dictionary_folder.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace mikawase::fixtures {

std::string DictionaryLine(std::string_view key, std::string_view value) {
  std::string field(key);
  std::size_t characters = 0;
  for (unsigned char c : key) characters += (c & 0xC0) != 0x80;
  for (; characters < 15; ++characters) field += ' ';
  return EncodeCp932(field + std::string(value));
}

DictionaryFolder::DictionaryFolder() {
  // A fresh name until one is new: create_directory says whether it made
  // the folder, so two tests at once never share one.
  std::random_device entropy;
  std::filesystem::path temporary = std::filesystem::temp_directory_path();
  for (int attempt = 0;; ++attempt) {
    std::filesystem::path folder = temporary / ("mikawase-test-" + std::to_string(entropy()));
    if (std::filesystem::create_directory(folder)) {
      path_ = folder.string() + "/";
      break;
    }
    if (attempt == 100) throw std::runtime_error("cannot make a temporary folder");
  }
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
