#include "app/help.h"

#include <cstdio>

void PrintHelpBlock() {
  std::puts("\n-------------------------------------");
  std::puts(kVersionLine);
  std::puts("\nThis program may be run with command line arguments as follows:");
  std::puts("korvane <frequency in Hz> <time in seconds> <soundcard device> <level>");
  std::puts("\nOr, run the program interactively using the commands below.");
  std::puts("Enter the note a,b,c,d,e,f,g plus '#' for a sharp and 'b' for a flat.");
  std::puts("For example: f# gb");
  std::puts("");
  std::puts("Enter G1 G2 G3 G4 G5 or G6 for guitar string tuning");
  std::puts("Enter B1 B2 B3 or B4 for bass string tuning");
  std::puts("-------------------------------------\n");
}
