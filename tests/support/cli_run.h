// What a run of mikawase-cli left behind, for the tests that run the real
// executable.
#ifndef MIKAWASE_TESTS_CLI_RUN_H_
#define MIKAWASE_TESTS_CLI_RUN_H_

#include <fstream>
#include <sstream>
#include <string>

namespace mikawase::fixtures {

struct CliRun {
  int status;
  std::string out, err;
};

// The whole file, or "" when it cannot be read.
inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

}  // namespace mikawase::fixtures

#endif  // MIKAWASE_TESTS_CLI_RUN_H_
