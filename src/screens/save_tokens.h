// The save files' reader: a stream of white-space-separated tokens, read in
// a fixed order as a key word and a value, the way C's "%s%d" and "%s%s"
// scans read them. The key word itself is never checked. Any white space
// separates tokens, so files with CR LF or LF line ends read the same.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

class SaveTokens {
public:
    // Problems go to errors as "FILE:LINE: message".
    SaveTokens(std::string_view text, std::string fileName, std::ostream& errors);

    // A key word and a whole number ("%s%d"): true when the number was read
    // into value; otherwise value keeps what it held.
    bool KeyInt(int& value);
    // A key word and a name ("%s%s"): true when a name was read into name,
    // made fit for a field of fieldBytes (see SanitiseName); otherwise name
    // keeps what it held.
    bool KeyName(std::string& name, size_t fieldBytes);

    // Only white space is left.
    bool AtEnd();
    // The line the next token starts on, from 1.
    int Line();
    // Reports a problem at the given line.
    void Report(int line, const std::string& message);

private:
    void SkipSpace();
    std::optional<std::string_view> Word();
    // Like "%d": an optional sign and digits at the start of the next token;
    // the rest of the token, if any, is left for the next read. Numbers
    // beyond the range of int are held at its ends.
    std::optional<int> Number();

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
    std::string fileName_;
    std::ostream& errors_;
};
