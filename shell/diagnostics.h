// Diagnostic output: one line of plain text on standard output, nowhere else.
// Nothing depends on it arriving; it is flushed at once so that a redirected
// log keeps it even when the window is closed and the process ends at once.
#pragma once

#if defined(__GNUC__)
#define RR_PRINTF_FORMAT(a, b) __attribute__((format(printf, a, b)))
#else
#define RR_PRINTF_FORMAT(a, b)
#endif

void PrintDiagnostic(const char* format, ...) RR_PRINTF_FORMAT(1, 2);
