// Dictionary fixtures for tests: a temporary data folder with files written
// as CP932 bytes, the way users save them.
#ifndef MIKAWASE_TESTS_DICTIONARY_FOLDER_H_
#define MIKAWASE_TESTS_DICTIONARY_FOLDER_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mikawase::fixtures {

// UTF-8 to CP932 bytes; aborts the test program on a character CP932 lacks.
std::string EncodeCp932(std::string_view utf8);

// One dictionary line: the key padded with spaces to 15 characters, then
// the value, in CP932, without the line end.
std::string DictionaryLine(std::string_view key, std::string_view value);

using Entries = std::vector<std::pair<std::string, std::string>>;

// A fresh folder (ending with "/") holding noun.txt, adjective.txt and
// rome.txt, empty unless written; removed with the object.
class DictionaryFolder {
 public:
  DictionaryFolder();
  ~DictionaryFolder();
  DictionaryFolder(const DictionaryFolder&) = delete;
  DictionaryFolder& operator=(const DictionaryFolder&) = delete;

  const std::string& path() const { return path_; }

  // The entries as lines ending with CR LF.
  void Write(const std::string& name, const Entries& entries);
  void WriteBytes(const std::string& name, std::string_view bytes);
  void Remove(const std::string& name);

 private:
  std::string path_;
};

}  // namespace mikawase::fixtures

#endif  // MIKAWASE_TESTS_DICTIONARY_FOLDER_H_
