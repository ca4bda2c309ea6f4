// The window's menu bar, for both windows: its menus, their commands in
// order, and their names in each language. Each window builds its own menu
// from this table and carries out the commands with its toolkit.
#ifndef MIKAWASE_APP_MODEL_MENU_H_
#define MIKAWASE_APP_MODEL_MENU_H_

#include <span>
#include <string>

#include "form1_texts.h"

namespace mikawase::model {

// A text in the window's two languages; "&" marks the key that opens or
// picks it with Alt, as both toolkits write it.
struct Words {
  const char* english;
  const char* japanese;
};

std::string Say(const Words& words, Language language);

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
  Words words;
  const char* shortcut;  // "Ctrl+O", or "" for none
  bool checkable = false;  // a switch, shown ticked while on
};

struct Menu {
  Words words;
  std::span<const MenuItem> items;
};

// The menu bar, left to right.
std::span<const Menu> Form1Menus();

// The words of the dialogs the menu opens.
// clang-format off
inline constexpr Words kAddWordTitle  = {"Add a word", "語を加える"};
inline constexpr Words kEditWordTitle = {"Change a word", "語を直す"};
inline constexpr Words kKindLabel     = {"&Dictionary:", "辞書(&D):"};
inline constexpr Words kKeyLabel      = {"&English:", "英語(&E):"};
inline constexpr Words kValueLabel    = {"&Japanese:", "訳(&J):"};
inline constexpr Words kPreviewLabel  = {"With this word:", "この語を加えると:"};
inline constexpr Words kSave          = {"&Save", "保存(&S)"};
inline constexpr Words kCancel        = {"Cancel", "キャンセル"};
inline constexpr Words kClose         = {"Close", "閉じる"};
inline constexpr Words kMyWordsTitle  = {"My words", "加えた語の一覧"};
inline constexpr Words kEdit          = {"&Change…", "直す(&C)…"};
inline constexpr Words kRemove        = {"&Remove", "削除(&R)"};
inline constexpr Words kAdd           = {"&Add…", "加える(&A)…"};
inline constexpr Words kNoWordsYet    = {"You have added no words yet.", "加えた語はまだありません。"};
inline constexpr Words kBadLines      = {"These lines cannot be read:", "次の行は読めません:"};
inline constexpr Words kKindColumn    = {"Dictionary", "辞書"};
inline constexpr Words kKeyColumn     = {"English", "英語"};
inline constexpr Words kValueColumn   = {"Japanese", "訳"};
inline constexpr Words kPlaceColumn   = {"File:line", "ファイル:行"};
inline constexpr Words kCheckTitle    = {"Dictionary check", "辞書の点検"};
inline constexpr Words kAboutTitle    = {"About ミカワセ", "ミカワセについて"};
inline constexpr Words kAboutText     = {
    "Renders English into rough Japanese, word by word.\n"
    "Your own words go into the personal dictionaries (Dictionary menu).",
    "英語を大まかな日本語に、一語ずつ置き換えます。\n"
    "自分の語は「辞書」メニューから個人辞書に加えられます。"};
inline constexpr Words kOpenTitle     = {"Open a text file", "テキストファイルを開く"};
inline constexpr Words kSaveTitle     = {"Save the result", "訳を保存"};
inline constexpr Words kTextFiles     = {"Text files (*.txt);;All files (*)",
                                         "テキストファイル (*.txt);;すべてのファイル (*)"};
inline constexpr Words kNotUtf8       = {"The file is not UTF-8 text; it was not opened.",
                                         "このファイルは UTF-8 のテキストではないため、開きませんでした。"};
inline constexpr Words kCannotRead    = {"The file cannot be read.", "ファイルを読めませんでした。"};
inline constexpr Words kCannotWrite   = {"The file cannot be written.", "ファイルに書けませんでした。"};
inline constexpr Words kOpenMyWords   = {"My &words…", "加えた語の一覧(&W)…"};
// Where a message box can offer no buttons of its own (Windows): what its
// Yes and No do for a bad line of the user's own file.
inline constexpr Words kYesMyWordsNoFolder = {
    "Yes opens My words; No opens the folder.",
    "「はい」で加えた語の一覧を、「いいえ」でフォルダを開きます。"};
inline constexpr Words kOpenFolder    = {"Open the &folder", "フォルダを開く(&F)"};
inline constexpr Words kWordAdded     = {"Added to %1, line %2.", "%1 の %2 行目に加えました。"};
inline constexpr Words kRemoveAsk     = {"Remove \"%1\" from your words?", "「%1」を加えた語から削除しますか？"};
// clang-format on

}  // namespace mikawase::model

#endif  // MIKAWASE_APP_MODEL_MENU_H_
