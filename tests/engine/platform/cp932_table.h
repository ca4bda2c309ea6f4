// Every byte sequence the CP932 table test tries, and how a decoder's
// answer is written down, shared by the test and the program that writes
// cp932_table.txt.
#ifndef MIKAWASE_TESTS_CP932_TABLE_H_
#define MIKAWASE_TESTS_CP932_TABLE_H_

#include <cstdio>
#include <string>
#include <vector>

#include "platform/cp932.h"

namespace mikawase::fixtures {

// Every single byte, and every lead byte (0x81 to 0x9F, 0xE0 to 0xFC)
// followed by every byte.
inline std::vector<std::string> Cp932Sequences() {
  std::vector<std::string> sequences;
  for (int byte = 0; byte < 0x100; ++byte) sequences.push_back(std::string(1, char(byte)));
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead == 0xA0) lead = 0xE0;
    for (int trail = 0; trail < 0x100; ++trail) {
      sequences.push_back(std::string{char(lead), char(trail)});
    }
  }
  return sequences;
}

inline std::string Hex(const std::string& bytes) {
  std::string hex;
  for (unsigned char byte : bytes) {
    char two[3];
    std::snprintf(two, sizeof two, "%02X", byte);
    hex += two;
  }
  return hex;
}

// One line of the table: the bytes, then "=" and the UTF-8 of the
// characters, or "!" and the bytes named as invalid.
inline std::string DescribeDecoding(const std::string& bytes) {
  std::string utf8, invalid;
  if (DecodeCp932(bytes, &utf8, &invalid)) return Hex(bytes) + " = " + Hex(utf8);
  return Hex(bytes) + " ! " + Hex(invalid);
}

}  // namespace mikawase::fixtures

#endif  // MIKAWASE_TESTS_CP932_TABLE_H_
