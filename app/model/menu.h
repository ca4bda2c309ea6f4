// The window's menu bar, for both windows: its menus, their commands in
// order, and their names. Each window builds its own menu from this table,
// in the user's language through its toolkit's translations, and carries
// out the commands with its toolkit.
#ifndef MIKAWASE_APP_MODEL_MENU_H_
#define MIKAWASE_APP_MODEL_MENU_H_

#include <span>
#include <string>

#include "texts.h"

namespace mikawase::model {

enum class Command {
  kOpenFile,           // a UTF-8 text file into the input box
  kSaveResult,         // the output box into a UTF-8 file
  kCopyResult,         // the output box to the clipboard
  kExit,
  kAddWord,            // a dialog: a word into a personal dictionary
  kMyWords,            // a dialog: the personal entries, to edit or remove
  kOpenPersonalFolder, // in the file manager, made first when missing
  kCheckDictionaries,  // the dictionary check's report in a dialog
  kAbout,
  kJoinLines,          // a switch: join the hard-wrapped lines of a paragraph
  kSeparator,          // a line between groups, no command
};

struct MenuItem {
  Command command;
  const char* name;  // for tests and accessibility tools: "addWord"
  Text words;
  const char* shortcut;  // "Ctrl+O", or "" for none
  bool checkable = false;  // a switch, shown ticked while on
};

struct Menu {
  Text words;
  std::span<const MenuItem> items;
};

// The menu bar, left to right.
std::span<const Menu> Form1Menus();

// The words of the dialogs the menu opens.
// clang-format off
inline constexpr Text kAddWordTitle  = MIKAWASE_TEXT("Dialogs", "Add a word");
inline constexpr Text kEditWordTitle = MIKAWASE_TEXT("Dialogs", "Change a word");
inline constexpr Text kKindLabel     = MIKAWASE_TEXT("Dialogs", "&Dictionary:");
inline constexpr Text kKeyLabel      = MIKAWASE_TEXT("Dialogs", "&English:");
inline constexpr Text kValueLabel    = MIKAWASE_TEXT("Dialogs", "&Japanese:");
inline constexpr Text kPreviewLabel  = MIKAWASE_TEXT("Dialogs", "With this word:");
inline constexpr Text kSave          = MIKAWASE_TEXT("Dialogs", "&Save");
inline constexpr Text kCancel        = MIKAWASE_TEXT("Dialogs", "Cancel");
inline constexpr Text kClose         = MIKAWASE_TEXT("Dialogs", "Close");
inline constexpr Text kMyWordsTitle  = MIKAWASE_TEXT("Dialogs", "My words");
inline constexpr Text kEdit          = MIKAWASE_TEXT("Dialogs", "&Change…");
inline constexpr Text kRemove        = MIKAWASE_TEXT("Dialogs", "&Remove");
inline constexpr Text kAdd           = MIKAWASE_TEXT("Dialogs", "&Add…");
inline constexpr Text kNoWordsYet    = MIKAWASE_TEXT("Dialogs", "You have added no words yet.");
inline constexpr Text kBadLines      = MIKAWASE_TEXT("Dialogs", "These lines cannot be read:");
inline constexpr Text kKindColumn    = MIKAWASE_TEXT("Dialogs", "Dictionary");
inline constexpr Text kKeyColumn     = MIKAWASE_TEXT("Dialogs", "English");
inline constexpr Text kValueColumn   = MIKAWASE_TEXT("Dialogs", "Japanese");
inline constexpr Text kPlaceColumn   = MIKAWASE_TEXT("Dialogs", "File:line");
inline constexpr Text kCheckTitle    = MIKAWASE_TEXT("Dialogs", "Dictionary check");
inline constexpr Text kAboutTitle    = MIKAWASE_TEXT("Dialogs", "About ミカワセ");
inline constexpr Text kAboutText     = MIKAWASE_TEXT("Dialogs",
    "Renders English into rough Japanese, word by word.\n"
    "Your own words go into the personal dictionaries (Dictionary menu).");
inline constexpr Text kOpenTitle     = MIKAWASE_TEXT("Dialogs", "Open a text file");
inline constexpr Text kSaveTitle     = MIKAWASE_TEXT("Dialogs", "Save the result");
inline constexpr Text kTextFiles     = MIKAWASE_TEXT("Dialogs", "Text files (*.txt);;All files (*)");
inline constexpr Text kNotUtf8       = MIKAWASE_TEXT("Dialogs", "The file is not UTF-8 text; it was not opened.");
inline constexpr Text kCannotRead    = MIKAWASE_TEXT("Dialogs", "The file cannot be read.");
inline constexpr Text kCannotWrite   = MIKAWASE_TEXT("Dialogs", "The file cannot be written.");
inline constexpr Text kOpenMyWords   = MIKAWASE_TEXT("Dialogs", "My &words…");
// Where a message box can offer no buttons of its own (Windows): what its
// Yes and No do for a bad line of the user's own file.
inline constexpr Text kYesMyWordsNoFolder = MIKAWASE_TEXT("Dialogs",
    "Yes opens My words; No opens the folder.");
inline constexpr Text kOpenFolder    = MIKAWASE_TEXT("Dialogs", "Open the &folder");
inline constexpr Text kWordAdded     = MIKAWASE_TEXT("Dialogs", "Added to %1, line %2.");
inline constexpr Text kRemoveAsk     = MIKAWASE_TEXT("Dialogs", "Remove \"%1\" from your words?");
// clang-format on

}  // namespace mikawase::model

#endif  // MIKAWASE_APP_MODEL_MENU_H_
