// Reading the menu's input from standard input, with the C library's own
// conversions: "%f" for decimals (so "nan", "inf" and "1e3" mean what they
// mean in C) and "%i" for integers (a 0x prefix is hexadecimal, a leading 0
// octal). A number that does not parse leaves its text in the input, where
// it is read as the next command.
#ifndef KORVANE_APP_INPUT_H_
#define KORVANE_APP_INPUT_H_

#include <string>

enum class Input {
  Value,      // a value was read
  NoNumber,   // the next text is not a number: the target is unchanged
  EndOfInput,
};

// The next whitespace-separated token, whole, however long it is.
Input ReadToken(std::string& token);

Input ReadFloat(float& value);

// Read 64 bits wide, so that the value is the same where long has 32 bits.
Input ReadInteger(long long& value);

#endif  // KORVANE_APP_INPUT_H_
