#include "form1_texts.h"

namespace mikawase::model {

Language LanguageNamed(std::string_view name) {
  return name.starts_with("ja") && (name.size() == 2 || name[2] == '_' || name[2] == '-' ||
                                    name[2] == '.')
             ? Language::kJapanese
             : Language::kEnglish;
}

std::string CaptionForVersion(int major, int minor, int revision) {
  return "ミカワセ " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

std::string Command1Tip(Language language) {
  return language == Language::kJapanese ? "英和に訳す (Ctrl+Enter)" : "Translate (Ctrl+Enter)";
}

std::string DescribeFailure(const Failure& failure, Language language) {
  bool japanese = language == Language::kJapanese;
  std::string text = japanese ? "訳せませんでした。\n\n" : "The translation stopped.\n\n";
  if (!failure.file.empty()) text += (japanese ? "ファイル: " : "File: ") + failure.file + "\n";
  if (failure.line != 0) {
    text += (japanese ? "行: " : "Line: ") + std::to_string(failure.line) + "\n";
  }
  text += (japanese ? "問題: " : "Problem: ") + failure.problem + "\n\n";
  if (failure.personal) {
    text += japanese
                ? "これはあなたが加えた語の辞書です。この行を直すか、「辞書」の「加えた語の一覧」"
                  "（または mikawase-cli --remove）でその語を取り除いてください。\n\n"
                : "This is a dictionary of your own words: mend the line, or take the word out "
                  "in Dictionary > My words (or with mikawase-cli --remove).\n\n";
  }
  text += japanese ? "入力した文はそのまま残っています。辞書は「英和」を押すたびに読み直されるので、"
                     "問題を直したら、もう一度押してください。"
                   : "Your text has been kept. The dictionaries are read again at every press of "
                     "\"英和\", so once the problem is put right, press it again.";
  return text;
}

}  // namespace mikawase::model
