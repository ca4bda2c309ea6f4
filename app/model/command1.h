// What the button does, for both windows: which dictionaries a press
// applies, with which engine, and what a failure tells the user. The
// windows only carry the text of their boxes to and from here.
#ifndef MIKAWASE_APP_MODEL_COMMAND1_H_
#define MIKAWASE_APP_MODEL_COMMAND1_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "mikawase/dictionary_folders.h"
#include "mikawase/translation_error.h"

namespace mikawase::model {

// The dictionaries a press applies: data/ beside the program (AppFolder,
// ending with its separator), and in front of it the user's personal
// folder, where mikawase-cli --add writes ("" when the system names none).
DictionaryFolders Form1Folders(std::string_view AppFolder);

// Why a translation stopped, in the terms a user can act on. UTF-8.
struct Failure {
  std::string file;       // the dictionary at fault; empty when no file is
  std::size_t line = 0;   // from 1; 0 when no one line is at fault
  std::string problem;    // the engine's English, with the details
  bool personal = false;  // the file is in the user's personal folder
  std::optional<ErrorKind> kind;  // none when memory ran out
};

// Either the whole rendering or the failure, never part of a rendering:
// the windows show the result only when `translated`, so that a failure
// leaves both boxes as they were.
struct Command1Outcome {
  bool translated = false;
  std::string rendering;  // UTF-8 with CR LF line breaks
  Failure failure;
};

// The press of the button: `input` is the input box's text as UTF-8 with
// CR LF line breaks; the dictionaries are read again, so that a mended or
// added entry acts at the next press. With `join_lines`, the input's
// paragraphs are joined first (JoinParagraphLines). Never throws for a bad
// dictionary or input, or when memory runs out.
Command1Outcome Command1Action(std::string_view input, const DictionaryFolders& folders,
                               bool join_lines = false);

// A paragraph pasted from a mail or a PDF comes with a line break every
// seventy characters, which the rules take as the end of a sentence. Each
// line break inside a paragraph becomes one space (the spaces around it
// dropped); a blank line, which ends a paragraph, stays, as do the line
// breaks around it. CR LF line breaks in and out.
std::string JoinParagraphLines(std::string_view text);

}  // namespace mikawase::model

#endif  // MIKAWASE_APP_MODEL_COMMAND1_H_
