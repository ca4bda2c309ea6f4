// How a dictionary file's lines are applied.
#ifndef MIKAWASE_DICT_MODE_H_
#define MIKAWASE_DICT_MODE_H_

namespace mikawase {

// The values are the modes' documented numbers.
enum class DictMode {
  Substring = 0,  // key by value, wherever it occurs
  Noun = 1,       // " key " by " value ", then " key" + "s " by " value "
  Word = 2,       // " key " by " value "
};

}  // namespace mikawase

#endif  // MIKAWASE_DICT_MODE_H_
