#include "json_writer.h"

#include <cmath>
#include <cstdio>

namespace {

// Length of the UTF-8 sequence at text[i], or 0 when it is malformed
// (overlong forms, surrogates and values past U+10FFFF included).
size_t Utf8SequenceLength(std::string_view text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length = 0;
    unsigned int code = 0, minimum = 0;
    if (lead < 0x80) {
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

void JsonWriter::NewLine() {
    out_ += '\n';
    out_.append(hasValue_.size() * 2, ' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasValue_.empty()) {
        if (hasValue_.back()) {
            out_ += ',';
        }
        hasValue_.back() = true;
        NewLine();
    }
}

void JsonWriter::Key(std::string_view key) {
    BeforeValue();
    WriteQuoted(key);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::BeginObject() {
    BeforeValue();
    out_ += '{';
    hasValue_.push_back(false);
}

void JsonWriter::EndObject() {
    const bool any = hasValue_.back();
    hasValue_.pop_back();
    if (any) {
        NewLine();
    }
    out_ += '}';
    if (hasValue_.empty()) {
        out_ += '\n';
    }
}

void JsonWriter::BeginArray() {
    BeforeValue();
    out_ += '[';
    hasValue_.push_back(false);
}

void JsonWriter::EndArray() {
    const bool any = hasValue_.back();
    hasValue_.pop_back();
    if (any) {
        NewLine();
    }
    out_ += ']';
    if (hasValue_.empty()) {
        out_ += '\n';
    }
}

void JsonWriter::Int(long long value) {
    BeforeValue();
    out_ += std::to_string(value);
}

void JsonWriter::Float(double value) {
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    BeforeValue();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", value);
    out_ += buffer;
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    out_ += "null";
}

void JsonWriter::String(std::string_view text) {
    BeforeValue();
    WriteQuoted(text);
}

void JsonWriter::WriteQuoted(std::string_view text) {
    out_ += '"';
    for (size_t i = 0; i < text.size();) {
        const size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            out_ += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        const char c = text[i];
        if (length > 1) {
            out_.append(text.substr(i, length));
        } else if (c == '"') {
            out_ += "\\\"";
        } else if (c == '\\') {
            out_ += "\\\\";
        } else if (c == '\n') {
            out_ += "\\n";
        } else if (c == '\t') {
            out_ += "\\t";
        } else if (c == '\r') {
            out_ += "\\r";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
            out_ += buffer;
        } else {
            out_ += c;
        }
        i += length;
    }
    out_ += '"';
}
