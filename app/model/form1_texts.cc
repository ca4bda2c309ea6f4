#include "form1_texts.h"

namespace mikawase::model {

namespace {

struct KindText {
  ErrorKind kind;
  Text text;
};

// One for every kind of the engine's failures.
// clang-format off
constexpr KindText kKindTexts[] = {
    {ErrorKind::kMissingFile,    MIKAWASE_TEXT("Failure", "The dictionary file or its folder does not exist.")},
    {ErrorKind::kUnreadable,     MIKAWASE_TEXT("Failure", "The dictionary file cannot be opened or read.")},
    {ErrorKind::kShortLine,      MIKAWASE_TEXT("Failure", "The line is shorter than 15 characters: every line needs its English padded with spaces to 15 (an empty line at the end of the file counts too).")},
    {ErrorKind::kInvalidBytes,   MIKAWASE_TEXT("Failure", "The line holds bytes that are not Shift_JIS (CP932): retype the line in an editor set to Shift_JIS, or remove those bytes.")},
    {ErrorKind::kNulByte,        MIKAWASE_TEXT("Failure", "The line holds a NUL byte: was the file saved as UTF-16? Save it as Shift_JIS (CP932).")},
    {ErrorKind::kLooksLikeUtf8,  MIKAWASE_TEXT("Failure", "The file or this line was saved as UTF-8, not Shift_JIS: convert it to Shift_JIS (CP932), for instance with iconv -f UTF-8 -t CP932.")},
    {ErrorKind::kLooksLikeUtf16, MIKAWASE_TEXT("Failure", "The file was saved as UTF-16, not Shift_JIS: save it as Shift_JIS (CP932).")},
    {ErrorKind::kRunawayGrowth,  MIKAWASE_TEXT("Failure", "The text grew past its limit: a dictionary line probably matches text that it or a line before it wrote.")},
    {ErrorKind::kInvalidInput,   MIKAWASE_TEXT("Failure", "The text is not valid UTF-8.")},
    {ErrorKind::kSystemFailure,  MIKAWASE_TEXT("Failure", "The system could not do what the translation needs.")},
    {ErrorKind::kTooLarge,       MIKAWASE_TEXT("Failure", "The dictionaries are too large to compile: split them, or leave out what is not needed.")},
};
// clang-format on
constexpr Text kUnknownKind = MIKAWASE_TEXT("Failure", "The translation failed.");
constexpr Text kOutOfMemory =
    MIKAWASE_TEXT("Failure", "There is not enough memory to translate this text.");

constexpr Text kStopped = MIKAWASE_TEXT("Failure", "The translation stopped.");
constexpr Text kFile = MIKAWASE_TEXT("Failure", "File: %1");
constexpr Text kLine = MIKAWASE_TEXT("Failure", "Line: %1");
constexpr Text kProblem = MIKAWASE_TEXT("Failure", "Problem: %1");
constexpr Text kOwnWords =
    MIKAWASE_TEXT("Failure",
                  "This is a dictionary of your own words: mend the line, or take the word out in "
                  "Dictionary > My words (or with mikawase-cli --remove).");
constexpr Text kTextKept = MIKAWASE_TEXT(
    "Failure",
    "Your text has been kept. The dictionaries are read again at every press of \"英和\", so "
    "once the problem is put right, press it again.");

// The window's own words for the kind, with the engine's English after
// them for its details; the English alone where the language has none.
std::string ProblemOf(const Failure& failure, const Translate& translate) {
  std::string said;
  if (!Translated(translate, FailureKindText(failure), &said)) return failure.problem;
  return said + "\n(" + failure.problem + ")";
}

}  // namespace

std::string CaptionForVersion(int major, int minor, int revision) {
  return "ミカワセ " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

Text FailureKindText(const Failure& failure) {
  if (!failure.kind) return kOutOfMemory;
  for (const KindText& each : kKindTexts) {
    if (each.kind == *failure.kind) return each.text;
  }
  // A kind the table does not know yet; EveryKindOfFailureHasItsOwnWords
  // fails until it does.
  return kUnknownKind;
}

std::string DescribeFailure(const Failure& failure, const Translate& translate) {
  std::string text = translate(kStopped) + "\n\n";
  if (!failure.file.empty()) text += Fill(translate(kFile), {failure.file}) + "\n";
  if (failure.line != 0) text += Fill(translate(kLine), {std::to_string(failure.line)}) + "\n";
  text += Fill(translate(kProblem), {ProblemOf(failure, translate)}) + "\n\n";
  if (failure.personal) text += translate(kOwnWords) + "\n\n";
  return text + translate(kTextKept);
}

}  // namespace mikawase::model
