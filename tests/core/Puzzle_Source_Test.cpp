// Which reader a file goes to when any format may come: the puzzle file reader for a *.zd2
// name or a puzzle file's header, the text importer for everything else.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

#include "model/Puzzle_File.h"
#include "model/Puzzle_Source.h"
#include "tests/core/Test_Puzzles.h"

namespace fs = std::filesystem;

namespace {

class Puzzle_Source : public ::testing::Test {
  protected:
    void SetUp() override {
        Folder =
            fs::temp_directory_path() /
            ("tessel-source-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(Folder);
    }
    void TearDown() override { fs::remove_all(Folder); }

    std::string Put(const std::string& name, const std::string& bytes) {
        const std::string path = (Folder / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path Folder;
};

const std::string Header(reinterpret_cast<const char*>(Puzzle_File_Header),
                         sizeof Puzzle_File_Header);

} // namespace

TEST_F(Puzzle_Source, TheNameDecidesForAZd2File) {
    // Whatever such a file holds, the reader's messages say what is wrong with it.
    EXPECT_TRUE(Is_Puzzle_File(Put("text.zd2", "4.....8.5.3..\n")));
    EXPECT_TRUE(Is_Puzzle_File(Put("UPPER.ZD2", "")));
    EXPECT_TRUE(Is_Puzzle_File(Put("mixed.Zd2", "x")));
    EXPECT_TRUE(Is_Puzzle_File((Folder / "missing.zd2").string()));
    EXPECT_FALSE(Is_Puzzle_File(Put("zd2", "x")));
    EXPECT_FALSE(Is_Puzzle_File(Put("puzzle.zd2.txt", "1........\n")));
}

TEST_F(Puzzle_Source, TheHeaderDecidesForOtherNames) {
    const std::vector<Byte> written = Write_Puzzle_Bytes(test_puzzles::Samurai_Layout());
    const std::string saved(written.begin(), written.end());
    ASSERT_EQ(saved.substr(0, 8), Header);
    EXPECT_TRUE(Is_Puzzle_File(Put("saved-without-extension", saved)));
    EXPECT_TRUE(Is_Puzzle_File(Put("saved.txt", saved)));
    EXPECT_TRUE(Is_Puzzle_File(Put("header-only.sdm", Header)));

    // One byte short of the header, one byte of it changed, or another version: a text.
    EXPECT_FALSE(Is_Puzzle_File(Put("short.txt", Header.substr(0, 7))));
    std::string changed = Header;
    changed[6] = '\xF1';
    EXPECT_FALSE(Is_Puzzle_File(Put("changed.txt", changed + "rest")));
    EXPECT_FALSE(Is_Puzzle_File(Put("empty.txt", "")));
    EXPECT_FALSE(Is_Puzzle_File(Put("puzzle.sdk", "[Puzzle]\n1........\n")));
    EXPECT_FALSE(Is_Puzzle_File((Folder / "missing.txt").string()));
    // A folder is looked into no further.
    fs::create_directories(Folder / "folder.sdm");
    EXPECT_FALSE(Is_Puzzle_File((Folder / "folder.sdm").string()));
    // Nor a pipe, which would keep the game waiting for a writer.
    const std::string pipe = (Folder / "pipe.txt").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(Is_Puzzle_File(pipe));
}
