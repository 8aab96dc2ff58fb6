#include "app/input.h"

#include <cctype>
#include <cstdio>

namespace {

Input FromScanf(int converted) {
  if (converted == EOF) return Input::EndOfInput;
  return converted == 1 ? Input::Value : Input::NoNumber;
}

}  // namespace

Input ReadToken(std::string& token) {
  int c = std::getchar();
  while (c != EOF && std::isspace(c)) c = std::getchar();
  if (c == EOF) return Input::EndOfInput;
  token.clear();
  while (c != EOF && !std::isspace(c)) {
    token.push_back(static_cast<char>(c));
    c = std::getchar();
  }
  if (c != EOF) std::ungetc(c, stdin);
  return Input::Value;
}

Input ReadFloat(float& value) { return FromScanf(std::scanf("%f", &value)); }

Input ReadInteger(long long& value) {
  return FromScanf(std::scanf("%lli", &value));
}
