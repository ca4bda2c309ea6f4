// The decoder of this build against the table ICU's decoder wrote on
// Linux: on Windows, the system's CP932 must give the same characters and
// refuse the same bytes, naming the same ones as invalid, or a dictionary
// would translate differently, or fail differently, on the two platforms.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cp932_table.h"

namespace mikawase {
namespace {

TEST(Cp932TableTest, EverySequenceDecodesAsTheTableSays) {
  std::ifstream table(MIKAWASE_CP932_TABLE);
  ASSERT_TRUE(table) << MIKAWASE_CP932_TABLE;
  std::vector<std::string> expected;
  for (std::string line; std::getline(table, line);) {
    if (!line.starts_with('#')) expected.push_back(line);
  }
  std::vector<std::string> sequences = fixtures::Cp932Sequences();
  ASSERT_EQ(expected.size(), sequences.size());
  std::size_t differences = 0;
  for (std::size_t i = 0; i < sequences.size(); ++i) {
    std::string got = fixtures::DescribeDecoding(sequences[i]);
    if (got == expected[i]) continue;
    if (++differences <= 20) ADD_FAILURE() << "table: " << expected[i] << "\ndecoder: " << got;
  }
  EXPECT_EQ(differences, 0u) << "of " << sequences.size() << " sequences";
}

}  // namespace
}  // namespace mikawase
