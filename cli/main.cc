// mikawase-cli: the translation engine as a Unix filter.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "command_line.h"
#include "mikawase/app_folder.h"
#include "mikawase/line_breaks.h"
#include "mikawase/translate.h"
#include "mikawase/version.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Thrown for a failure that has already been worded for the user.
struct InputFailure {
  std::string message;
};

std::string ReadAll(const std::string& input) {
  if (input == "-") {
    std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    if (std::cin.bad()) throw InputFailure{"<stdin>: cannot read: " + std::string(std::strerror(errno))};
    return text;
  }
  std::ifstream in(input, std::ios::binary);
  if (!in) throw InputFailure{input + ": cannot open: " + std::strerror(errno)};
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw InputFailure{input + ": cannot read: " + std::strerror(errno)};
  return text;
}

void WriteAll(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    throw InputFailure{"<stdout>: cannot write: " + std::string(std::strerror(errno))};
  }
}

int Run(const mikawase::cli::CommandLine& command) {
  std::string data_folder = command.data_dir
                                ? mikawase::WithTrailingSeparator(*command.data_dir)
                                : mikawase::DataFolderOf(mikawase::ExecutableFolder());
  std::string input = ReadAll(command.input);
  std::string translated;
  try {
    translated = mikawase::TranslateWithDataFolder(mikawase::ToCrLf(input), data_folder,
                                                   command.engine);
  } catch (const mikawase::TranslationError& error) {
    if (error.kind() != mikawase::ErrorKind::kInvalidInput) throw;
    // The engine does not know where its input came from; the filter does.
    std::string name = command.input == "-" ? "<stdin>" : command.input;
    throw mikawase::TranslationError(error.kind(), name, error.line(), error.problem());
  }
  WriteAll(command.crlf ? translated : mikawase::CrLfToLf(translated));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  mikawase::cli::CommandLine command;
  try {
    command = mikawase::cli::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const mikawase::cli::UsageError& error) {
    std::cerr << "mikawase-cli: " << error.message << "\nTry 'mikawase-cli --help'.\n";
    return kExitUsage;
  }
  if (command.help) {
    std::cout << mikawase::cli::kUsage;
    return 0;
  }
  if (command.version) {
    std::cout << "mikawase-cli " << mikawase::kVersionString << "\n";
    return 0;
  }
  try {
    return Run(command);
  } catch (const mikawase::TranslationError& error) {
    std::cerr << "mikawase-cli: " << error.what() << "\n";
  } catch (const InputFailure& failure) {
    std::cerr << "mikawase-cli: " << failure.message << "\n";
  } catch (const std::bad_alloc&) {
    std::cerr << "mikawase-cli: out of memory\n";
  } catch (const std::exception& error) {
    std::cerr << "mikawase-cli: " << error.what() << "\n";
  }
  return kExitFailure;
}
