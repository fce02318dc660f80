// UTF-8 and UTF-16, the two Unicode forms the text box meets: the engine's
// text input and clipboard speak UTF-8, the box and its font UTF-16.
#pragma once

#include <string>
#include <string_view>

// Bytes that are not well-formed UTF-8 become U+FFFD, one for each
// maximal bad sequence.
std::u16string Utf8ToUtf16(std::string_view utf8);
// A lone surrogate, which UTF-8 cannot carry, becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);
