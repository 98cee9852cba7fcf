// usig.h -- the fatal-signal reporter: on a crash signal it writes the signal's name
// and a backtrace to the log and to standard error, then ends the process with status 1.
// The program does not install it by default; a debugging build can.
#pragma once

// Installs the reporter for SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT and ignores
// SIGHUP. log_path (may be null) is opened for appending, so the handler can write
// the report with write() alone. Returns 0, or -1 when sigaction refused (logged).
int usig_install(const char *log_path);
// The name of signal numbers 1..31 ("SIGSEGV"), "Unknown" for any other.
const char *usig_name(int sig);
