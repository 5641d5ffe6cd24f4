#include "scripture/FileLayer.h"
#include "tests/scripture/FaultyFileLayer.h"
#include "tests/scripture/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

using mz::test::FaultyFileLayer;
using mz::test::TempDir;
using Step = FaultyFileLayer::Step;

const std::string kOld = "; Kovrin\r\n\r\n[Fuente]\r\nFuenteVersos=Salmos\r\n";
const std::string kNew = std::string(100000, 'x') + "\r\n";

TEST(FileLayer, ReplaceCreatesAndReplacesWithExactBytes) {
    TempDir dir;
    mz::FileLayer files;
    const std::string bytes("a\0b\r\n\xE9\r", 6);
    files.ReplaceFile(dir.file("f.ini"), bytes);
    EXPECT_EQ(dir.read("f.ini"), bytes);
    files.ReplaceFile(dir.file("f.ini"), kNew);
    EXPECT_EQ(files.ReadFile(dir.file("f.ini")), kNew);
    files.ReplaceFile(dir.file("f.ini"), "");
    EXPECT_EQ(dir.read("f.ini"), "");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"f.ini"});
}

TEST(FileLayer, ReplaceKeepsPermissionsAndFollowsLinks) {
    TempDir dir;
    dir.write("real.ini", kOld);
    ::chmod(dir.file("real.ini").c_str(), 0640);
    std::filesystem::create_symlink("real.ini", dir.file("link.ini"));
    mz::FileLayer files;
    files.ReplaceFile(dir.file("link.ini"), kNew);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(dir.read("real.ini"), kNew);
    struct stat st;
    ASSERT_EQ(::stat(dir.file("real.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Whatever step fails, the old file stays whole, the error names the file and
// the system's reason, and no temporary file is left behind.
TEST(FileLayer, AFailedReplaceLeavesTheOldFileWhole) {
    const struct {
        Step step;
        int error;
    } cases[] = {
        {Step::CreateExclusive, EACCES}, {Step::CreateExclusive, EROFS}, {Step::WriteSome, ENOSPC},
        {Step::ShortWrite, ENOSPC},      {Step::SyncFile, EIO},          {Step::CloseFile, EIO},
        {Step::RenameFile, EXDEV},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("Kovrin.ini", kOld);
        FaultyFileLayer files;
        files.failAt = c.step;
        files.error = c.error;
        try {
            files.ReplaceFile(dir.file("Kovrin.ini"), kNew);
            ADD_FAILURE() << "no error at step " << static_cast<int>(c.step);
        } catch (const mz::FileError& e) {
            EXPECT_EQ(e.code().value(), c.error);
            EXPECT_NE(std::string(e.what()).find("Cannot create file \"" + dir.file("Kovrin.ini") + "\""),
                      std::string::npos)
                << e.what();
        }
        EXPECT_EQ(dir.read("Kovrin.ini"), kOld) << static_cast<int>(c.step);
        EXPECT_EQ(dir.names(), std::vector<std::string>{"Kovrin.ini"}) << static_cast<int>(c.step);
    }
}

TEST(FileLayer, ANameCollisionTriesAnotherTemporaryName) {
    TempDir dir;
    dir.write("Kovrin.ini", kOld);
    FaultyFileLayer files;
    files.createCollisions = 3;
    files.ReplaceFile(dir.file("Kovrin.ini"), kNew);
    EXPECT_EQ(dir.read("Kovrin.ini"), kNew);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Kovrin.ini"});
}

TEST(FileLayer, ReadErrorsNameTheFile) {
    TempDir dir;
    mz::FileLayer files;
    try {
        files.ReadFile(dir.file("missing.ini"));
        ADD_FAILURE();
    } catch (const mz::FileError& e) {
        EXPECT_EQ(e.code().value(), ENOENT);
        EXPECT_NE(std::string(e.what()).find("Cannot open file \"" + dir.file("missing.ini") + "\""),
                  std::string::npos);
    }
    EXPECT_FALSE(dir.exists("missing.ini"));

    EXPECT_THROW(files.ReadFile(dir.dir()), mz::FileError); // a directory

    dir.write("f.ini", kOld);
    FaultyFileLayer faulty;
    faulty.failAt = Step::ReadSome;
    EXPECT_THROW(faulty.ReadFile(dir.file("f.ini")), mz::FileError);
}

} // namespace
