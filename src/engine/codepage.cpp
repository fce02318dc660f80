#include "engine/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

namespace {

constexpr const char* kCp936 = "CP936";
constexpr const char* kUtf8 = "UTF-8";
constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

constexpr std::string_view kQuestion = "?";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD
constexpr char16_t kReplacementUtf16 = u'\uFFFD';
constexpr std::string_view kReplacementUtf16Bytes = std::endian::native == std::endian::little
                                                        ? std::string_view("\xFD\xFF", 2)
                                                        : std::string_view("\xFF\xFD", 2);

bool IsCp936Lead(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
bool IsCp936Trail(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// Bytes of one code page 936 character at the start of bytes (1 or 2).
size_t Cp936CharLength(std::string_view bytes) {
    if (bytes.size() >= 2 && IsCp936Lead(bytes[0]) && IsCp936Trail(bytes[1])) {
        return 2;
    }
    return 1;
}

// Bytes of one UTF-8 character at the start of bytes, or of its longest
// ill-formed start (at least 1), so that each bad sequence becomes one "?".
size_t Utf8CharLength(std::string_view bytes) {
    const auto at = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = at(0);
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 1;
    }
    for (size_t i = 1; i < length; ++i) {
        if (i >= bytes.size()) {
            return i;
        }
        const unsigned char byte = at(i);
        const bool fits = i == 1 ? byte >= low && byte <= high : byte >= 0x80 && byte <= 0xBF;
        if (!fits) {
            return i;
        }
    }
    return length;
}

// Code units of one UTF-16 character at the start of units (1 or 2; a lone
// surrogate is one unit).
size_t Utf16CharLength(std::u16string_view units) {
    const bool high = units[0] >= 0xD800 && units[0] <= 0xDBFF;
    return high && units.size() >= 2 && units[1] >= 0xDC00 && units[1] <= 0xDFFF ? 2 : 1;
}

// One iconv conversion descriptor, closed when it goes out of scope.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (Ok()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of input as it can, appending to out. Returns the
    // number of input bytes used: all of them, or up to the first character
    // that is invalid or cannot be converted.
    size_t Run(std::string_view input, std::string& out) {
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char buffer[256];
        while (inLeft > 0) {
            char* next = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(cd_, &in, &inLeft, &next, &outLeft);
            out.append(buffer, static_cast<size_t>(next - buffer));
            if (result == static_cast<size_t>(-1) && errno != E2BIG) {
                break;
            }
        }
        return input.size() - inLeft;
    }

private:
    iconv_t cd_;
};

// Converts input with iconv; at each piece it cannot convert, appends
// replacement and skips the bytes skipLength names. The bytes that are not
// converted are never lost silently: each bad piece leaves one replacement.
template <typename SkipLength>
std::string ConvertAll(const char* to, const char* from, std::string_view input,
                       std::string_view replacement, SkipLength skipLength,
                       std::string (*fallback)(std::string_view)) {
    Converter converter(to, from);
    if (!converter.Ok()) {
        return fallback(input);
    }
    std::string out;
    out.reserve(input.size() * 2);
    while (!input.empty()) {
        input.remove_prefix(converter.Run(input, out));
        if (!input.empty()) {
            out.append(replacement);
            input.remove_prefix(std::min(input.size(), skipLength(input)));
        }
    }
    return out;
}

// Without iconv's tables only ASCII can be carried across.
std::string AsciiOrQuestion(std::string_view input) {
    std::string out(input);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            c = '?';
        }
    }
    return out;
}

std::string AsciiOrReplacement(std::string_view input) {
    std::string out;
    for (char c : input) {
        if (static_cast<unsigned char>(c) < 0x80) {
            out.push_back(c);
        } else {
            out.append(kReplacementUtf8);
        }
    }
    return out;
}

std::string_view BytesOf(std::u16string_view units) {
    return {reinterpret_cast<const char*>(units.data()), units.size() * sizeof(char16_t)};
}

std::u16string UnitsOf(std::string_view bytes) {
    std::u16string units(bytes.size() / sizeof(char16_t), u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        char16_t unit;
        std::memcpy(&unit, bytes.data() + i * sizeof(char16_t), sizeof unit);
        units[i] = unit;
    }
    return units;
}

// The UTF-16 fallback works on native code units, as the iconv side does.
std::string Utf16AsciiOrQuestion(std::string_view bytes) {
    std::string out;
    for (char16_t unit : UnitsOf(bytes)) {
        out.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    }
    return out;
}

std::string Utf16AsciiOrReplacement(std::string_view bytes) {
    std::u16string out;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out.push_back(byte < 0x80 ? static_cast<char16_t>(byte) : kReplacementUtf16);
    }
    return std::string(BytesOf(out));
}

}  // namespace

std::string Utf8ToCp936(std::string_view utf8) {
    return ConvertAll(kCp936, kUtf8, utf8, kQuestion, Utf8CharLength, AsciiOrQuestion);
}

std::string Cp936ToUtf8(std::string_view cp936) {
    return ConvertAll(kUtf8, kCp936, cp936, kReplacementUtf8, Cp936CharLength, AsciiOrReplacement);
}

std::string Utf16ToCp936(std::u16string_view utf16) {
    const auto skip = [](std::string_view bytes) {
        return Utf16CharLength(UnitsOf(bytes.substr(0, 2 * sizeof(char16_t)))) * sizeof(char16_t);
    };
    return ConvertAll(kCp936, kUtf16, BytesOf(utf16), kQuestion, skip, Utf16AsciiOrQuestion);
}

std::u16string Cp936ToUtf16(std::string_view cp936) {
    return UnitsOf(ConvertAll(kUtf16, kCp936, cp936, kReplacementUtf16Bytes, Cp936CharLength,
                              Utf16AsciiOrReplacement));
}

size_t Cp936WholeLength(std::string_view cp936, size_t maxBytes) {
    size_t length = 0;
    while (length < cp936.size()) {
        const size_t next = length + Cp936CharLength(cp936.substr(length));
        if (next > maxBytes) {
            break;
        }
        length = next;
    }
    return length;
}
