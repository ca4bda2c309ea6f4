#include "mikawase/translation_error.h"

namespace mikawase {

namespace {

std::string Describe(const std::string& file, std::size_t line, const std::string& problem) {
  if (file.empty()) return problem;
  if (line == 0) return file + ": " + problem;
  return file + ":" + std::to_string(line) + ": " + problem;
}

}  // namespace

TranslationError::TranslationError(ErrorKind kind, std::string file, std::size_t line,
                                   std::string problem)
    : std::runtime_error(Describe(file, line, problem)),
      kind_(kind),
      file_(std::move(file)),
      line_(line),
      problem_(std::move(problem)) {}

}  // namespace mikawase
