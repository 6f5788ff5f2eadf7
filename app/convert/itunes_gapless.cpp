#include "itunes_gapless.h"

#include <array>
#include <cctype>

namespace {

// A word of at most maxDigits hexadecimal digits, taken from the front of
// text together with the blanks before it.
std::optional<uint64_t> takeHexWord(std::string_view& text, size_t maxDigits)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    size_t digits = 0;
    uint64_t value = 0;
    while (digits < text.size() && std::isxdigit(static_cast<unsigned char>(text[digits]))) {
        const char c = char(std::tolower(static_cast<unsigned char>(text[digits])));
        value = value * 16 + uint64_t(c <= '9' ? c - '0' : c - 'a' + 10);
        ++digits;
    }
    const bool endsThere = digits == text.size() || std::isspace(static_cast<unsigned char>(text[digits]));
    if (digits == 0 || digits > maxDigits || !endsThere)
        return std::nullopt;
    text.remove_prefix(digits);
    return value;
}

}  // namespace

std::optional<ItunesGapless> parseItunSmpb(std::string_view value)
{
    // The reserved word, delay and padding have 8 digits; the length 16.
    constexpr std::array<size_t, 4> widths = {8, 8, 8, 16};
    std::array<uint64_t, 4> words{};
    for (size_t i = 0; i < widths.size(); ++i) {
        const auto word = takeHexWord(value, widths[i]);
        if (!word)
            return std::nullopt;
        words[i] = *word;
    }
    // A length of 2^62 samples or more is no recording's.
    if (words[3] == 0 || words[3] >= (uint64_t(1) << 62))
        return std::nullopt;
    return ItunesGapless{int64_t(words[1]), int64_t(words[3])};
}
