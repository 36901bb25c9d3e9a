#include "cli/model/Base64.h"

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int ValueOf(char ch)
{
    if (ch >= 'A' && ch <= 'Z')
        return ch - 'A';
    if (ch >= 'a' && ch <= 'z')
        return ch - 'a' + 26;
    if (ch >= '0' && ch <= '9')
        return ch - '0' + 52;
    if (ch == '+')
        return 62;
    if (ch == '/')
        return 63;
    return -1;
}
}  // namespace

std::string EncodeBase64(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        unsigned chunk = bytes[i] << 16;
        if (i + 1 < bytes.size())
            chunk |= bytes[i + 1] << 8;
        if (i + 2 < bytes.size())
            chunk |= bytes[i + 2];
        text += kAlphabet[(chunk >> 18) & 63];
        text += kAlphabet[(chunk >> 12) & 63];
        text += i + 1 < bytes.size() ? kAlphabet[(chunk >> 6) & 63] : '=';
        text += i + 2 < bytes.size() ? kAlphabet[chunk & 63] : '=';
    }
    return text;
}

bool DecodeBase64(const std::string& text, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    if (text.size() % 4 != 0)
        return false;
    for (std::size_t i = 0; i < text.size(); i += 4) {
        unsigned chunk = 0;
        int padding = 0;
        for (int k = 0; k < 4; ++k) {
            char ch = text[i + k];
            if (ch == '=' && i + 4 == text.size() && k >= 2) {
                ++padding;
                chunk <<= 6;
                continue;
            }
            int value = ValueOf(ch);
            if (value < 0 || padding)
                return false;
            chunk = (chunk << 6) | static_cast<unsigned>(value);
        }
        bytes.push_back(static_cast<std::uint8_t>(chunk >> 16));
        if (padding < 2)
            bytes.push_back(static_cast<std::uint8_t>(chunk >> 8));
        if (padding < 1)
            bytes.push_back(static_cast<std::uint8_t>(chunk));
    }
    return true;
}
