// The filter's contact with its platform: its arguments, the files it
// reads, and its standard streams. Text is UTF-8 bytes throughout.
//
// On Linux these are the C library's calls. On Windows the arguments come
// from the wide command line and file names are opened as wide paths, so
// that Japanese names survive whatever the ANSI code page; redirected
// streams carry raw bytes (binary mode: no CR LF rewriting, no Ctrl+Z as
// the end); and a stream that is a console is read and written through the
// console's wide-character calls, so that Japanese shows in cmd.exe and
// PowerShell whatever the console's code page.
#ifndef MIKAWASE_CLI_STANDARD_STREAMS_H_
#define MIKAWASE_CLI_STANDARD_STREAMS_H_

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace mikawase::cli {

// The arguments after the program's name, in UTF-8.
std::vector<std::string> Arguments(int argc, char** argv);

// Puts the standard streams in the state the functions below expect. Call
// once, first.
void PrepareStandardStreams();

// fopen(path, "rb") for a UTF-8 path; null with errno set on failure.
std::FILE* OpenForReading(const std::string& path);

// An anonymous scratch file for reading and writing, removed when closed.
std::FILE* OpenScratchFile();

// fread: up to `size` bytes into `into`; fewer only at the end or on an
// error, when *failed becomes true and errno says why. A console's text is
// delivered as UTF-8; on a console, Ctrl+Z ends the input.
std::size_t ReadBytes(std::FILE* file, char* into, std::size_t size, bool* failed);

// fwrite of all of `bytes`; false on an error. A console is given the UTF-8
// as characters, a sequence split across two calls included.
bool WriteBytes(std::FILE* file, std::string_view bytes);

}  // namespace mikawase::cli

#endif  // MIKAWASE_CLI_STANDARD_STREAMS_H_
