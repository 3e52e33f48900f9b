// Reads "uninstall.log", the installer's list of paths, one line at a time.
#pragma once

#include <cstdio>
#include <string>

// Longest path a line may carry; a longer line is skipped as a whole, since a
// path cut short could name some other file that really exists.
constexpr std::size_t kMaxLogPathBytes = 799;

struct LogLine {
  std::string path;      // empty for an empty or over-long line
  bool tooLong = false;  // the line was longer than kMaxLogPathBytes
};

// Opens the log for reading when it is a plain file: a named pipe, a folder
// or a device of that name is no log (and a pipe must not hold us at its
// open). Null otherwise.
std::FILE* OpenLogFile(const char* path);

// The folder to read the log in: the current one when it holds the log,
// else programFolder when the log is there (an uninstaller started from
// elsewhere still finds the list beside itself); "" when neither has it.
std::string FindLogFolder(const std::string& programFolder);

// Reads bytes up to the next line end: CR, NUL, 0xFF or the end of the file.
// LF is dropped wherever it stands, so CR LF and a bare CR both end a line
// while an LF alone does not.
LogLine ReadLogLine(std::FILE* file);

// True while the log may still hold lines: neither at its end nor failed
// (a read error, such as the log being a directory, must not loop forever).
bool HasMoreLogLines(std::FILE* file);
