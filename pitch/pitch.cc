#include "pitch/pitch.h"

#include <cmath>
#include <cstring>

namespace {

struct NoteRow {
  const char* name;
  int index;
};

constexpr NoteRow kNotes[] = {
    {"a", 0},  {"a#", 1}, {"bb", 1},  {"b", 2},  {"c", 3},   {"c#", 4},
    {"db", 4}, {"d", 5},  {"d#", 6},  {"eb", 6}, {"e", 7},   {"f", 8},
    {"f#", 9}, {"gb", 9}, {"g", 10},  {"g#", 11}, {"ab", 11},
};

constexpr double kConcertA = 440.0;  // Hz

}  // namespace

int NoteIndex(const char* noteName) {
  for (const NoteRow& row : kNotes)
    if (std::strcmp(noteName, row.name) == 0) return row.index;
  return 0;
}

double Get_Freq(const char* noteName, double octaveOffset, double cents) {
  const double ratio = std::pow(2.0, NoteIndex(noteName) / 12.0);
  double octave = 1.0;
  if (octaveOffset > 0) octave = std::pow(2.0, octaveOffset);
  if (octaveOffset < 0) octave = std::pow(0.5, -octaveOffset);
  const double centFactor = std::pow(2.0, cents / 1200);
  // Kept in this order, so that every note rounds as it always has.
  return (kConcertA + (ratio - 1) * kConcertA) * octave * centFactor;
}
