#include "menu.h"

namespace mikawase::model {

namespace {

// clang-format off
constexpr MenuItem kFileItems[] = {
    {Command::kOpenFile,   "openFile",   MIKAWASE_TEXT("Menu", "&Open…"),            "Ctrl+O"},
    {Command::kSaveResult, "saveResult", MIKAWASE_TEXT("Menu", "&Save the result…"), "Ctrl+S"},
    {Command::kCopyResult, "copyResult", MIKAWASE_TEXT("Menu", "&Copy the result"),  "Ctrl+Shift+C"},
    {Command::kSeparator,  "",           {},                                          ""},
    {Command::kExit,       "exit",       MIKAWASE_TEXT("Menu", "E&xit"),             ""},
};
constexpr MenuItem kDictionaryItems[] = {
    {Command::kAddWord,            "addWord",            MIKAWASE_TEXT("Menu", "&Add a word…"),               "Ctrl+D"},
    {Command::kMyWords,            "myWords",            MIKAWASE_TEXT("Menu", "&My words…"),                 ""},
    {Command::kOpenPersonalFolder, "openPersonalFolder", MIKAWASE_TEXT("Menu", "Open my dictionary &folder"), ""},
    {Command::kSeparator,          "",                   {},                                                   ""},
    {Command::kCheckDictionaries,  "checkDictionaries",  MIKAWASE_TEXT("Menu", "&Check the dictionaries…"),   ""},
};
constexpr MenuItem kOptionItems[] = {
    {Command::kJoinLines, "joinLines", MIKAWASE_TEXT("Menu", "&Join the lines of a paragraph"), "", true},
};
constexpr MenuItem kHelpItems[] = {
    {Command::kAbout, "about", MIKAWASE_TEXT("Menu", "&About ミカワセ…"), ""},
};
constexpr Menu kMenus[] = {
    {MIKAWASE_TEXT("Menu", "&File"),       kFileItems},
    {MIKAWASE_TEXT("Menu", "&Dictionary"), kDictionaryItems},
    {MIKAWASE_TEXT("Menu", "&Options"),    kOptionItems},
    {MIKAWASE_TEXT("Menu", "&Help"),       kHelpItems},
};
// clang-format on

}  // namespace

std::span<const Menu> Form1Menus() { return kMenus; }

}  // namespace mikawase::model
