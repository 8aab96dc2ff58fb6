// Note names to frequencies, in twelve-tone equal temperament with A = 440 Hz.
//
// The reference octave runs upward from A: "a" is 440 Hz and "c" the C above
// it (523.25 Hz). Other octaves are reached through the octave offset.
#ifndef KORVANE_PITCH_PITCH_H_
#define KORVANE_PITCH_PITCH_H_

// The semitones from A up to the note: "a" 0, "a#" and "bb" 1, ... "g#" and
// "ab" 11. Names are lower case, a letter alone or followed by '#' or 'b';
// anything else (e#, upper case, "bbb", "") counts as A, 0.
int NoteIndex(const char* noteName);

// The frequency in Hz of noteName, moved by octaveOffset octaves and by cents
// hundredths of a semitone.
double Get_Freq(const char* noteName, double octaveOffset, double cents);

#endif  // KORVANE_PITCH_PITCH_H_
