// The one error type of the engine.
//
// A translation either succeeds completely or fails with a TranslationError;
// nothing partial is ever returned. Every failure comes from a dictionary
// file, from the input itself, from the growth guard or from the system,
// and the error says which file, which line and what was wrong, in words a
// user can act on. Apart from std::bad_alloc, no other exception leaves
// the engine.
#ifndef MIKAWASE_TRANSLATION_ERROR_H_
#define MIKAWASE_TRANSLATION_ERROR_H_

#include <cstddef>
#include <stdexcept>
#include <string>

namespace mikawase {

enum class ErrorKind {
  kMissingFile,    // the data folder or a dictionary file does not exist
  kUnreadable,     // the file exists but cannot be opened or read
  kShortLine,      // a dictionary line holds fewer than 15 characters
  kInvalidBytes,   // bytes that are not valid CP932
  kNulByte,        // a NUL byte: never part of a text dictionary
  kLooksLikeUtf8,  // the file was saved as UTF-8 instead of CP932
  kLooksLikeUtf16, // the file was saved as UTF-16 instead of CP932
  kRunawayGrowth,  // the text grew past the growth bound
  kInvalidInput,   // the input text is not valid UTF-8
  kSystemFailure,  // the system could not do what the engine asked of it: lowercase the
                   // text, decode CP932, find the program's folder
  kTooLarge,       // the dictionaries hold more rules than the fast engine can index
};

class TranslationError : public std::runtime_error {
 public:
  // `file` is the path as it was opened (empty for input errors); `line` is
  // 1-based, 0 where the problem is not tied to one line.
  TranslationError(ErrorKind kind, std::string file, std::size_t line, std::string problem);

  ErrorKind kind() const { return kind_; }
  const std::string& file() const { return file_; }
  std::size_t line() const { return line_; }
  const std::string& problem() const { return problem_; }

  // what() reads "FILE:LINE: PROBLEM", "FILE: PROBLEM" without a line, or
  // just "PROBLEM" without a file, the way compilers report, so that editors
  // and users alike can jump to the place.

 private:
  ErrorKind kind_;
  std::string file_;
  std::size_t line_;
  std::string problem_;
};

}  // namespace mikawase

#endif  // MIKAWASE_TRANSLATION_ERROR_H_
