// Conversions between the game's ANSI text, code page 936 (the double-byte
// Chinese code page the save files, scripts and literals of the original game
// use), and UTF-8 or UTF-16. Every conversion gives a result for any input:
// a character code page 936 cannot hold becomes "?", bytes that are not
// valid in the source encoding become "?" (towards code page 936) or U+FFFD
// (from it). Nothing throws.
#pragma once

#include <string>
#include <string_view>

std::string Utf8ToCp936(std::string_view utf8);
std::string Cp936ToUtf8(std::string_view cp936);
std::string Utf16ToCp936(std::u16string_view utf16);
std::u16string Cp936ToUtf16(std::string_view cp936);

// How many bytes of cp936 make up whole characters within the first maxBytes:
// the length to cut at so that no double-byte character is split.
size_t Cp936WholeLength(std::string_view cp936, size_t maxBytes);
