#include "menu.h"

namespace mikawase::model {

std::string Say(const Words& words, Language language) {
  return language == Language::kJapanese ? words.japanese : words.english;
}

namespace {

// clang-format off
constexpr MenuItem kFileItems[] = {
    {Command::kOpenFile,   "openFile",   {"&Open…",            "開く(&O)…"},             "Ctrl+O"},
    {Command::kSaveResult, "saveResult", {"&Save the result…", "訳を保存(&S)…"},          "Ctrl+S"},
    {Command::kCopyResult, "copyResult", {"&Copy the result",  "訳をコピー(&C)"},          "Ctrl+Shift+C"},
    {Command::kSeparator,  "",           {"", ""},                                        ""},
    {Command::kExit,       "exit",       {"E&xit",             "終了(&X)"},               ""},
};
constexpr MenuItem kDictionaryItems[] = {
    {Command::kAddWord,            "addWord",            {"&Add a word…",              "語を加える(&A)…"},           "Ctrl+D"},
    {Command::kMyWords,            "myWords",            {"&My words…",                "加えた語の一覧(&M)…"},        ""},
    {Command::kOpenPersonalFolder, "openPersonalFolder", {"Open my dictionary &folder", "個人辞書のフォルダを開く(&F)"}, ""},
    {Command::kSeparator,          "",                   {"", ""},                                                   ""},
    {Command::kCheckDictionaries,  "checkDictionaries",  {"&Check the dictionaries…",  "辞書を調べる(&C)…"},          ""},
};
constexpr MenuItem kOptionItems[] = {
    {Command::kJoinLines, "joinLines", {"&Join the lines of a paragraph", "段落の改行をつなげる(&J)"}, "", true},
};
constexpr MenuItem kHelpItems[] = {
    {Command::kAbout, "about", {"&About ミカワセ…", "ミカワセについて(&A)…"}, ""},
};
constexpr Menu kMenus[] = {
    {{"&File",       "ファイル(&F)"}, kFileItems},
    {{"&Dictionary", "辞書(&D)"},     kDictionaryItems},
    {{"&Options",    "設定(&O)"},     kOptionItems},
    {{"&Help",       "ヘルプ(&H)"},   kHelpItems},
};
// clang-format on

}  // namespace

std::span<const Menu> Form1Menus() { return kMenus; }

}  // namespace mikawase::model
