#include "model/Cp1252.h"

#include <map>

namespace {

// Unicode code points of the bytes 0x80 .. 0x9F.
const char32_t High_Controls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void Append_Utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::string Cp1252_Char_To_Utf8(unsigned char byte) {
    std::string out;
    const char32_t cp = (byte >= 0x80 && byte <= 0x9F) ? High_Controls[byte - 0x80] : byte;
    Append_Utf8(out, cp);
    return out;
}

std::string Cp1252_To_Utf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes) {
        out += Cp1252_Char_To_Utf8(b);
    }
    return out;
}

bool Utf8_To_Cp1252(const std::string& utf8, std::string& bytes) {
    static const std::map<std::string, char> table = [] {
        std::map<std::string, char> t;
        for (int b = 0x80; b <= 0xFF; ++b) {
            t[Cp1252_Char_To_Utf8(static_cast<unsigned char>(b))] = static_cast<char>(b);
        }
        return t;
    }();
    bytes.clear();
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            bytes.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        const auto found = table.find(utf8.substr(i, length));
        if (length == 1 || i + length > utf8.size() || found == table.end()) {
            return false;
        }
        bytes.push_back(found->second);
        i += length;
    }
    return true;
}
