// Texts the program shows about itself: the help block (on -h, --help and
// the menu's "h") and its version.
#ifndef KORVANE_APP_HELP_H_
#define KORVANE_APP_HELP_H_

constexpr const char* kVersionLine = "Korvane 1.02";

// Prints the help block to standard output.
void PrintHelpBlock();

#endif  // KORVANE_APP_HELP_H_
