#include "standard_streams.h"

namespace mikawase::cli {

std::vector<std::string> Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

void PrepareStandardStreams() {}

std::FILE* OpenForReading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }

std::FILE* OpenScratchFile() { return std::tmpfile(); }

std::size_t ReadBytes(std::FILE* file, char* into, std::size_t size, bool* failed) {
  std::size_t got = std::fread(into, 1, size, file);
  *failed = std::ferror(file) != 0;
  return got;
}

bool WriteBytes(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

}  // namespace mikawase::cli
