#include "platform/TextCodec.h"

#include <cstdint>

namespace platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct SequenceRule {
    int length;               // total bytes, 0 for a byte that cannot start a sequence
    unsigned char secondLow;  // the allowed range of the second byte rules out
    unsigned char secondHigh; // overlong forms, surrogates and code points above U+10FFFF
};

SequenceRule ruleFor(unsigned char lead)
{
    if (lead < 0x80)
        return {1, 0, 0};
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2, 0x80, 0xBF};
    if (lead == 0xE0)
        return {3, 0xA0, 0xBF};
    if (lead == 0xED)
        return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF)
        return {3, 0x80, 0xBF};
    if (lead == 0xF0)
        return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3)
        return {4, 0x80, 0xBF};
    if (lead == 0xF4)
        return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

// Decodes one sequence at text[pos], advancing pos past the bytes used. A bad
// sequence consumes only its valid prefix (at least one byte), so decoding
// resumes at the first byte that broke it.
char32_t decodeOne(const std::string& text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos++]);
    const SequenceRule rule = ruleFor(lead);
    if (rule.length == 0)
        return kReplacement;
    if (rule.length == 1)
        return lead;

    char32_t code = lead & (0xFF >> (rule.length + 1));
    for (int i = 1; i < rule.length; ++i) {
        if (pos >= text.size())
            return kReplacement;
        const auto byte = static_cast<unsigned char>(text[pos]);
        const unsigned char low = (i == 1) ? rule.secondLow : 0x80;
        const unsigned char high = (i == 1) ? rule.secondHigh : 0xBF;
        if (byte < low || byte > high)
            return kReplacement;
        code = (code << 6) | (byte & 0x3F);
        ++pos;
    }
    return code;
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isScalarValue(std::uint32_t code)
{
    return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

} // namespace

std::wstring utf8ToWide(const std::string& text)
{
    std::wstring out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size())
        out += static_cast<wchar_t>(decodeOne(text, pos));
    return out;
}

std::string wideToUtf8(const std::wstring& text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        const auto code = static_cast<std::uint32_t>(c);
        appendUtf8(out, isScalarValue(code) ? code : kReplacement);
    }
    return out;
}

bool isUtf8Text(const std::string& bytes)
{
    // Decoding turns each invalid sequence into U+FFFD: only valid text comes back unchanged.
    return bytes.find('\0') == std::string::npos && wideToUtf8(utf8ToWide(bytes)) == bytes;
}

} // namespace platform
