// The Win32 window's words as its user sees them: the menu bar the window
// builds, read back with GetMenuString, and the texts of the model from the
// string tables, in the language of the user's Windows. Run once under an
// English and once under a Japanese LANG, which wine takes the user's
// interface language from; MIKAWASE_TEST_LANGUAGE says which is expected.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "menu_bar.h"
#include "mikawase/wide_text.h"
#include "model/form1_texts.h"
#include "model/menu.h"
#include "string_keys.h"
#include "string_table.h"

namespace mikawase::win32 {
namespace {

bool JapaneseExpected() {
  const char* language = std::getenv("MIKAWASE_TEST_LANGUAGE");
  return language != nullptr && std::string(language) == "ja";
}

std::string MenuString(HMENU menu, UINT position) {
  wchar_t text[256] = L"";
  GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
  return Utf8FromWide(text);
}

TEST(WindowTextsTest, TheMenuBarInTheUsersLanguage) {
  ASSERT_EQ(PRIMARYLANGID(WindowLanguage()), JapaneseExpected() ? LANG_JAPANESE : LANG_ENGLISH);
  HMENU bar = NewMenuBar();
  std::vector<std::string> titles, dictionary;
  for (UINT i = 0; i < static_cast<UINT>(GetMenuItemCount(bar)); ++i)
    titles.push_back(MenuString(bar, i));
  HMENU dictionary_menu = GetSubMenu(bar, 1);
  for (UINT i = 0; i < static_cast<UINT>(GetMenuItemCount(dictionary_menu)); ++i) {
    dictionary.push_back(MenuString(dictionary_menu, i));
  }
  DestroyMenu(bar);
  if (JapaneseExpected()) {
    EXPECT_EQ(titles,
              (std::vector<std::string>{"ファイル(&F)", "辞書(&D)", "設定(&O)", "ヘルプ(&H)"}));
    EXPECT_EQ(dictionary.front(), "語を加える(&A)…\tCtrl+D");
  } else {
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Dictionary", "&Options", "&Help"}));
    EXPECT_EQ(dictionary.front(), "&Add a word…\tCtrl+D");
  }
}

// Every text of the tables, loaded: English is the model's own source; in
// Japanese each one differs from it (the tables carry only finished
// translations), line breaks and quotes surviving the resource compiler.
TEST(WindowTextsTest, EveryTextOfTheTablesLoads) {
  for (const StringKey& key : kStringKeys) {
    std::string said = SayInUserLanguage({key.context, key.english});
    if (JapaneseExpected()) {
      EXPECT_NE(said, key.english) << key.english;
    } else {
      EXPECT_EQ(said, key.english);
    }
  }
  std::string about = SayInUserLanguage(model::kAboutText);
  EXPECT_NE(about.find('\n'), std::string::npos) << about;
  std::string ask = SayInUserLanguage(model::kRemoveAsk);
  EXPECT_NE(ask.find(JapaneseExpected() ? "「%1」" : "\"%1\""), std::string::npos) << ask;
}

TEST(WindowTextsTest, AFailureInTheUsersLanguage) {
  model::Failure failure{"C:\\d\\noun.txt", 3, "the line is 3 characters long", false,
                         ErrorKind::kShortLine};
  std::string text = model::DescribeFailure(failure, SayInUserLanguage);
  EXPECT_NE(text.find(JapaneseExpected() ? "行: 3\n問題: 行が15文字に足りません"
                                         : "Line: 3\nProblem: the line is 3 characters long"),
            std::string::npos)
      << text;
}

// A text the tables do not hold is said in its English.
TEST(WindowTextsTest, ATextNotInTheTablesKeepsItsEnglish) {
  EXPECT_EQ(SayInUserLanguage({"Nowhere", "Not a text of the window"}), "Not a text of the window");
}

}  // namespace
}  // namespace mikawase::win32
