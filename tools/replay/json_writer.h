// A small JSON writer for the replay dumps: keys in the order written, two
// spaces of indentation, floats as "%.9g" (enough to round-trip a float), so
// the same state always gives the same bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // Names the next value inside an object.
    void Key(std::string_view key);

    void Int(long long value);
    // NaN and infinities, which JSON lacks, are written as null.
    void Float(double value);
    void Bool(bool value);
    void Null();
    // UTF-8 text; invalid bytes are written as U+FFFD.
    void String(std::string_view text);

    // The document so far, ending in a newline once the outer value is closed.
    const std::string& Text() const { return out_; }

private:
    void BeforeValue();
    void NewLine();
    void WriteQuoted(std::string_view text);

    std::string out_;
    // One entry per open object or array: whether it has a value yet.
    std::vector<bool> hasValue_;
    bool afterKey_ = false;
};

// Whether text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);
