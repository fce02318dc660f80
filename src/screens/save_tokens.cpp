#include "screens/save_tokens.h"

#include "screens/save_name.h"

#include <climits>

namespace {

// The white space of the C locale's isspace.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

SaveTokens::SaveTokens(std::string_view text, std::string fileName, std::ostream& errors)
    : text_(text), fileName_(std::move(fileName)), errors_(errors) {}

void SaveTokens::SkipSpace() {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) {
        if (text_[pos_] == '\n') {
            ++line_;
        }
        ++pos_;
    }
}

bool SaveTokens::AtEnd() {
    SkipSpace();
    return pos_ >= text_.size();
}

int SaveTokens::Line() {
    SkipSpace();
    return line_;
}

void SaveTokens::Report(int line, const std::string& message) {
    errors_ << fileName_ << ":" << line << ": " << message << "\n";
}

std::optional<std::string_view> SaveTokens::Word() {
    if (AtEnd()) {
        return std::nullopt;
    }
    const size_t start = pos_;
    while (pos_ < text_.size() && !IsSpace(text_[pos_])) {
        ++pos_;
    }
    return text_.substr(start, pos_ - start);
}

std::optional<int> SaveTokens::Number() {
    if (AtEnd()) {
        return std::nullopt;
    }
    size_t at = pos_;
    const bool negative = text_[at] == '-';
    if (text_[at] == '-' || text_[at] == '+') {
        ++at;
    }
    if (at >= text_.size() || !IsDigit(text_[at])) {
        return std::nullopt;
    }
    // Accumulate towards the sign's end so that INT_MIN itself fits.
    long long value = 0;
    for (; at < text_.size() && IsDigit(text_[at]); ++at) {
        if (value < static_cast<long long>(INT_MAX) + 1) {
            value = value * 10 + (text_[at] - '0');
        }
    }
    pos_ = at;
    if (negative) {
        return value > static_cast<long long>(INT_MAX) ? INT_MIN : static_cast<int>(-value);
    }
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

bool SaveTokens::KeyInt(int& value) {
    const std::optional<std::string_view> key = Word();
    if (!key) {
        return false;
    }
    const std::optional<int> number = Number();
    if (!number) {
        if (!AtEnd()) {
            Report(Line(), "expected a whole number after `" + std::string(*key) + "`");
        }
        return false;
    }
    value = *number;
    return true;
}

bool SaveTokens::KeyName(std::string& name, size_t fieldBytes) {
    if (!Word()) {
        return false;
    }
    const int line = Line();
    const std::optional<std::string_view> word = Word();
    if (!word) {
        return false;
    }
    if (word->size() > fieldBytes) {
        Report(line, "a name of " + std::to_string(word->size()) +
                         " bytes is longer than its field of " + std::to_string(fieldBytes) +
                         " and is cut");
    }
    name = SanitiseName(*word, fieldBytes);
    return true;
}
