// Which reader a file goes to when any format may come: the puzzle file reader for a *.zd2
// name or a puzzle file's header, the text importer for everything else.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "io/Puzzle_File.h"
#include "io/Puzzle_Source.h"
#include "tests/core/Test_Puzzles.h"

namespace fs = std::filesystem;

TEST(Puzzle_Source, TheNameOrTheHeaderDecides) {
    const fs::path folder =
        fs::temp_directory_path() / ("tessel-puzzle-source-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string header(reinterpret_cast<const char*>(Puzzle_File_Header),
                             sizeof Puzzle_File_Header);
    const std::vector<Byte> written = Write_Puzzle_Bytes(test_puzzles::Samurai_Layout());
    const std::string saved(written.begin(), written.end());
    ASSERT_EQ(saved.substr(0, 8), header);
    std::string changed = header;
    changed[6] = '\xF1';
    const struct {
        const char* Name;
        std::string Bytes; // "-" for no file at all
        bool Puzzle_File;
    } cases[] = {
        // A *.zd2 name decides whatever the file holds: the reader's messages say what is wrong.
        {"text.zd2", "4.....8.5.3..\n", true},
        {"UPPER.ZD2", "", true},
        {"missing.zd2", "-", true},
        {"puzzle.zd2.txt", "1........\n", false},
        // Other names go by the header.
        {"saved.txt", saved, true},
        {"header-only.sdm", header, true},
        // One byte short of the header, one byte of it changed: a text.
        {"short.txt", header.substr(0, 7), false},
        {"changed.txt", changed + "rest", false},
        {"missing.txt", "-", false},
    };
    for (const auto& c : cases) {
        const std::string path = (folder / c.Name).string();
        if (c.Bytes != "-") {
            std::ofstream(path, std::ios::binary) << c.Bytes;
        }
        EXPECT_EQ(Is_Puzzle_File(path), c.Puzzle_File) << c.Name;
    }
    // A folder is looked into no further, nor a pipe, which would keep the game waiting for a
    // writer.
    fs::create_directories(folder / "folder.sdm");
    EXPECT_FALSE(Is_Puzzle_File((folder / "folder.sdm").string()));
    const std::string pipe = (folder / "pipe.txt").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(Is_Puzzle_File(pipe));
    fs::remove_all(folder);
}
