// A small JSON reader for the replay dumps in tests: objects, arrays,
// numbers, strings, booleans and null, looked up by key or index.
#pragma once

#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

class JsonValue {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    // Parses a whole document; a malformed one gives null with error set.
    static JsonValue Parse(std::string_view text, std::string* error = nullptr) {
        size_t at = 0;
        JsonValue value;
        std::string problem;
        if (!ParseValue(text, at, value, problem)) {
            if (error) {
                *error = problem + " at " + std::to_string(at);
            }
            return JsonValue();
        }
        return value;
    }

    Kind kind() const { return kind_; }
    bool IsNull() const { return kind_ == Kind::Null; }
    double Number() const { return number_; }
    // The dumps write floats with nine digits: back to the same float.
    float Float() const { return static_cast<float>(number_); }
    bool Bool() const { return boolean_; }
    const std::string& String() const { return text_; }
    size_t Size() const { return kind_ == Kind::Array ? items_.size() : members_.size(); }
    bool Has(const std::string& key) const { return members_.count(key) != 0; }
    // Every item of an array, and every member of an object by key.
    const std::vector<JsonValue>& Items() const { return items_; }
    const std::map<std::string, JsonValue>& Members() const { return members_; }

    // A missing key or index gives null.
    const JsonValue& operator[](const std::string& key) const {
        auto found = members_.find(key);
        return found == members_.end() ? Null() : found->second;
    }
    const JsonValue& operator[](size_t index) const {
        return index < items_.size() ? items_[index] : Null();
    }
    const JsonValue& operator[](int index) const { return (*this)[static_cast<size_t>(index)]; }

private:
    static const JsonValue& Null() {
        static const JsonValue null;
        return null;
    }

    static void SkipSpace(std::string_view text, size_t& at) {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) {
            ++at;
        }
    }

    static bool ParseString(std::string_view text, size_t& at, std::string& out) {
        ++at;  // the opening quote
        while (at < text.size() && text[at] != '"') {
            if (text[at] == '\\' && at + 1 < text.size()) {
                ++at;
            }
            out += text[at++];
        }
        return at++ < text.size();
    }

    static bool ParseValue(std::string_view text, size_t& at, JsonValue& value,
                           std::string& problem) {
        SkipSpace(text, at);
        if (at >= text.size()) {
            problem = "unexpected end";
            return false;
        }
        const char c = text[at];
        if (c == '{' || c == '[') {
            const bool object = c == '{';
            value.kind_ = object ? Kind::Object : Kind::Array;
            ++at;
            SkipSpace(text, at);
            if (at < text.size() && text[at] == (object ? '}' : ']')) {
                ++at;
                return true;
            }
            for (;;) {
                std::string key;
                if (object) {
                    SkipSpace(text, at);
                    if (at >= text.size() || text[at] != '"' || !ParseString(text, at, key)) {
                        problem = "expected a key";
                        return false;
                    }
                    SkipSpace(text, at);
                    if (at >= text.size() || text[at++] != ':') {
                        problem = "expected :";
                        return false;
                    }
                }
                JsonValue item;
                if (!ParseValue(text, at, item, problem)) {
                    return false;
                }
                if (object) {
                    value.members_[key] = std::move(item);
                } else {
                    value.items_.push_back(std::move(item));
                }
                SkipSpace(text, at);
                if (at < text.size() && text[at] == ',') {
                    ++at;
                    continue;
                }
                if (at < text.size() && text[at] == (object ? '}' : ']')) {
                    ++at;
                    return true;
                }
                problem = "expected , or a closing bracket";
                return false;
            }
        }
        if (c == '"') {
            value.kind_ = Kind::String;
            return ParseString(text, at, value.text_);
        }
        for (const auto& [word, kind, flag] :
             {std::tuple{"true", Kind::Bool, true}, std::tuple{"false", Kind::Bool, false},
              std::tuple{"null", Kind::Null, false}}) {
            const std::string_view w(word);
            if (text.substr(at, w.size()) == w) {
                at += w.size();
                value.kind_ = kind;
                value.boolean_ = flag;
                return true;
            }
        }
        const std::string rest(text.substr(at, 64));
        char* end = nullptr;
        value.number_ = std::strtod(rest.c_str(), &end);
        if (end == rest.c_str()) {
            problem = "expected a value";
            return false;
        }
        value.kind_ = Kind::Number;
        at += static_cast<size_t>(end - rest.c_str());
        return true;
    }

    Kind kind_ = Kind::Null;
    double number_ = 0;
    bool boolean_ = false;
    std::string text_;
    std::vector<JsonValue> items_;
    std::map<std::string, JsonValue> members_;
};
