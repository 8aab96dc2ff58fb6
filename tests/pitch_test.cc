#include "pitch/pitch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// As the menu shows a frequency: rounded to a float, two decimals.
std::string Shown(double hz) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", static_cast<float>(hz));
  return text;
}

TEST(GetFreq, NoteTableOfTheOctaveAboveA) {
  const struct {
    const char* names[2];
    const char* hz;
  } table[] = {
      {{"a", nullptr}, "440.00"},  {{"a#", "bb"}, "466.16"}, {{"b", nullptr}, "493.88"},
      {{"c", nullptr}, "523.25"},  {{"c#", "db"}, "554.37"}, {{"d", nullptr}, "587.33"},
      {{"d#", "eb"}, "622.25"},    {{"e", nullptr}, "659.26"}, {{"f", nullptr}, "698.46"},
      {{"f#", "gb"}, "739.99"},    {{"g", nullptr}, "783.99"}, {{"g#", "ab"}, "830.61"},
  };
  for (const auto& row : table) {
    EXPECT_EQ(Shown(Get_Freq(row.names[0], 0, 0)), row.hz) << row.names[0];
    if (row.names[1]) {
      EXPECT_EQ(Get_Freq(row.names[1], 0, 0), Get_Freq(row.names[0], 0, 0)) << row.names[1];
    }
  }
  // Anything else sounds as A, moved by the octave and cents as usual.
  for (const char* other : {"", "h", "A", "G7", "bbb", "e#", "fb", "b#", "cb", "a# "}) {
    EXPECT_EQ(Get_Freq(other, 0, 0), 440.0) << other;
    EXPECT_EQ(Get_Freq(other, -2, 0), 110.0) << other;
  }
}

TEST(GetFreq, OctavesAndCents) {
  EXPECT_EQ(Get_Freq("a", 0, 0), 440.0);
  EXPECT_EQ(Get_Freq("a", -2, 0), 110.0);
  EXPECT_EQ(Get_Freq("a", 4, 0), 7040.0);
  EXPECT_EQ(Get_Freq("a", -4, 0), 27.5);
  EXPECT_EQ(Shown(Get_Freq("c", 2, 0)), "2093.00");
  EXPECT_EQ(Shown(Get_Freq("e", -3, 0)), "82.41");
  // A hundred cents up is a semitone, to the float the menu holds.
  EXPECT_EQ(static_cast<float>(Get_Freq("a", 0, 100)),
            static_cast<float>(Get_Freq("a#", 0, 0)));
  EXPECT_EQ(Shown(Get_Freq("a", 0, -100)), "415.30");
  EXPECT_EQ(Shown(Get_Freq("a", 0, 1200)), "880.00");
}

}  // namespace
