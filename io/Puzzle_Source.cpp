#include "io/Puzzle_Source.h"

#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>

bool Is_Puzzle_File(const std::string& path) {
    const std::string extension = ".zd2";
    if (path.size() >= extension.size()) {
        bool same = true;
        for (std::size_t i = 0; i < extension.size(); ++i) {
            const char c = path[path.size() - extension.size() + i];
            same = same && std::tolower(static_cast<unsigned char>(c)) == extension[i];
        }
        if (same) {
            return true;
        }
    }
    // Only a regular file is looked into: opening a pipe would wait for a writer.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    char head[sizeof Puzzle_File_Header] = {};
    return in.read(head, sizeof head) &&
           std::memcmp(head, Puzzle_File_Header, sizeof Puzzle_File_Header) == 0;
}
