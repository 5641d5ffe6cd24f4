#include "scripture/IniList.h"
#include "tests/scripture/FaultyFileLayer.h"
#include "tests/scripture/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using mz::test::TempDir;

// A list titled `title` loaded from a file holding `bytes`.
struct Loaded {
    TempDir dir;
    mz::TIniList ini;
    explicit Loaded(const std::string& bytes, const char* title = "Kovrin") {
        dir.write("t.ini", bytes);
        ini.SetTitle(title);
        ini.SetIniFilename(dir.file("t.ini"));
        ini.LoadFile();
    }
    std::string saved() {
        ini.SaveFile();
        return dir.read("t.ini");
    }
};

TEST(TIniList, LoadSplitsLinesAndAppliesTheTitleLine) {
    const struct {
        std::string bytes;
        const char* title;
        Lines expected;
    } cases[] = {
        {"", "Kovrin", {"; Kovrin", ""}},
        {"[A]\r\nx=1\r\n", "Kovrin", {"; Kovrin", "", "[A]", "x=1"}},
        {"; anything\r\n[A]\r\n", "Kovrin", {"; Kovrin", "[A]"}},
        {";\r\n", "", {"; NoTitle"}},
        {"\r\n", "Kovrin", {"; Kovrin", "", ""}},
        // CR LF, CR alone and LF alone all end a line; a final break adds none.
        {"a\rb\nc\r\n\r\nd", "Kovrin", {"; Kovrin", "", "a", "b", "c", "", "d"}},
        {"; t\r\na\n\n", "Kovrin", {"; Kovrin", "a", ""}},
        {"; t\n\r\n\r", "Kovrin", {"; Kovrin", "", ""}},
        // A NUL byte ends the text.
        {std::string("; t\r\nx=1\0\r\ny=2\r\n", 17), "Kovrin", {"; Kovrin", "x=1"}},
        // Bytes pass untouched, whatever the code page.
        {"; t\r\n[G\xE9nesis]\r\n\x93k\x94=\xFF\xE1 \r\n",
         "Kovrin",
         {"; Kovrin", "[G\xE9nesis]", "\x93k\x94=\xFF\xE1 "}},
    };
    for (const auto& c : cases) {
        Loaded l(c.bytes, c.title);
        EXPECT_EQ(l.ini.Lines(), c.expected) << testing::PrintToString(c.bytes);
    }
}

TEST(TIniList, SaveEndsEveryLineWithCrLfAndRoundTrips) {
    Loaded l("; c\n\n[A]\rx=1\r\n; keep me\r\n\r\n[B]\ny=\xE9");
    const std::string expected = "; Kovrin\r\n\r\n[A]\r\nx=1\r\n; keep me\r\n\r\n[B]\r\ny=\xE9\r\n";
    EXPECT_EQ(l.saved(), expected);
    l.ini.LoadFile();
    EXPECT_EQ(l.saved(), expected);
}

TEST(TIniList, TitleLineRules) {
    mz::TIniList ini;
    EXPECT_EQ(ini.Lines(), Lines{"; NoTitle"});
    ini.SetTitle("Kovrin");
    EXPECT_EQ(ini.Lines(), Lines{"; Kovrin"});
    ini.SetTitle("");
    EXPECT_EQ(ini.Lines(), Lines{"; NoTitle"});
    ini.WriteString("A", "x", "1");
    ini.SetTitle("Otro");
    EXPECT_EQ(ini.Lines(), (Lines{"; Otro", "", "[A]", "x=1"}));
}

const char kSeven[] = "; Kovrin\r\n\r\n[A]\r\nx=1\r\n\r\n[B]\r\nx=2\r\n";

TEST(TIniList, ReadsFindKeysWithinTheirSection) {
    Loaded l(kSeven);
    EXPECT_EQ(l.ini.ReadString("A", "x", "d"), "1");
    EXPECT_EQ(l.ini.ReadString("B", "x", "d"), "2");
    EXPECT_EQ(l.ini.ReadString("A", "y", "d"), "d");
    EXPECT_EQ(l.ini.ReadString("C", "x", "d"), "d");
    l.ini.WriteString("A", "y", "3");
    EXPECT_EQ(l.ini.Lines(), (Lines{"; Kovrin", "", "[A]", "y=3", "x=1", "", "[B]", "x=2"}));
}

TEST(TIniList, LineKinds) {
    Loaded l("; Kovrin\r\n"
             "[S]\r\n"
             "a=b=c\r\n"
             "=c\r\n"
             "e=\r\n"
             "X=1\r\n"
             "; k=comment\r\n"
             "no separator\r\n"
             "\xC9=accented\r\n"
             "\r\n"
             "hidden=1\r\n"
             "[T] \r\n"
             "t=1\r\n"
             "[s]\r\n"
             "low=1\r\n"
             "[]\r\n"
             "empty=1\r\n"
             "[\r\n"
             "bare=1\r\n");
    const struct {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"S", "a", "b=c"},
        {"S", "", "d"},
        {"S", "e", "d"},
        {"S", "x", "1"},
        {"S", "X", "1"},
        {"S", "; K", "comment"},
        {"S", "no separator", "d"},
        {"S", "\xE9", "d"},
        {"S", "\xC9", "accented"},
        {"S", "hidden", "d"},
        {"T", "t", "d"},
        {"T] ", "t", "d"},
        {"T]", "t", "1"},
        {"s", "low", "1"},
        {"S", "low", "d"},
        {"", "empty", "1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(l.ini.ReadString(c.section, c.key, "d"), c.expected) << c.section << " / " << c.key;
    // "[" alone names the empty section too, but the first header wins.
    EXPECT_EQ(l.ini.FindSection(""), 15);
    EXPECT_EQ(l.ini.ReadString("", "bare", "d"), "d");
}

TEST(TIniList, ReadIntegerTakesOnlyWholeIntegers) {
    const struct {
        const char* value;
        std::int32_t expected;
    } cases[] = {
        {"600", 600},
        {" 600", 600},
        {"   -7", -7},
        {"+5", 5},
        {"-1", -1},
        {"007", 7},
        {"600 ", 77},
        {"", 77},
        {"abc", 77},
        {"1e3", 77},
        {"0x10", 77},
        {"$10", 77},
        {"- 5", 77},
        {"+", 77},
        {"-", 77},
        {"\t5", 77},
        {"5.0", 77},
        {" ", 77},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", 77},
        {"-2147483649", 77},
        {"99999999999999999999", 77},
    };
    for (const auto& c : cases) {
        mz::TIniList ini;
        ini.WriteString("S", "k", c.value);
        EXPECT_EQ(ini.ReadInteger("S", "k", 77), c.expected) << '"' << c.value << '"';
    }
    mz::TIniList ini;
    EXPECT_EQ(ini.ReadInteger("S", "missing", -3), -3);
}

TEST(TIniList, ReadBoolTakesOnlyOneAndZero) {
    const struct {
        const char* value;
        bool def;
        bool expected;
    } cases[] = {
        {"1", false, true},    {"0", true, false}, {"true", false, false},
        {"false", true, true}, {"2", true, true},  {" 1", false, false},
        {"", true, true},      {"", false, false}, {"01", false, false},
    };
    for (const auto& c : cases) {
        mz::TIniList ini;
        ini.WriteString("S", "k", c.value);
        EXPECT_EQ(ini.ReadBool("S", "k", c.def), c.expected) << '"' << c.value << '"';
    }
}

TEST(TIniList, WritesReplaceInPlaceOrInsertBelowTheHeader) {
    Loaded l("; Kovrin\r\n"
             "[A]\r\n"
             "x=1\r\n"
             "; note\r\n"
             "\r\n"
             "y=hidden\r\n"
             "[B]\r\n"
             "z=3\r\n");
    l.ini.WriteString("A", "X", "10");  // in place, spelled as written now
    l.ini.WriteString("A", "y", "2");   // hidden behind the blank: inserted
    l.ini.WriteInteger("B", "n", -42);  // new key in an existing section
    l.ini.WriteBool("C", "b", true);    // new section at the end
    l.ini.WriteBool("C", "c", false);   // second new key goes above the first
    l.ini.WriteString("A", "z", "a=b"); // the value may hold the separator
    EXPECT_EQ(l.saved(), "; Kovrin\r\n"
                         "[A]\r\n"
                         "z=a=b\r\n"
                         "y=2\r\n"
                         "X=10\r\n"
                         "; note\r\n"
                         "\r\n"
                         "y=hidden\r\n"
                         "[B]\r\n"
                         "n=-42\r\n"
                         "z=3\r\n"
                         "\r\n"
                         "[C]\r\n"
                         "c=0\r\n"
                         "b=1\r\n");
    EXPECT_EQ(l.ini.ReadString("A", "y", "d"), "2");
    EXPECT_EQ(l.ini.ReadString("A", "Z", "d"), "a=b");
}

TEST(TIniList, LineBreaksInWrittenTextBecomeBlanks) {
    mz::TIniList ini;
    ini.SetTitle("Kov\r\nrin");
    ini.WriteString("Fuente", "FuenteVersos", "Salmos\r\n[Frecuencia]\r\nSegundos=1");
    EXPECT_EQ(ini.Lines(),
              (Lines{"; Kov  rin", "", "[Fuente]", "FuenteVersos=Salmos  [Frecuencia]  Segundos=1"}));
    EXPECT_EQ(ini.ReadInteger("Frecuencia", "Segundos", 900), 900);
}

TEST(TIniList, CaseSensitiveKeysCompareExactly) {
    mz::TIniList ini;
    ini.WriteString("S", "Key", "1");
    ini.SetCaseSensitive(true);
    EXPECT_EQ(ini.ReadString("S", "key", "d"), "d");
    ini.WriteString("S", "key", "2");
    EXPECT_EQ(ini.ReadString("S", "Key", "d"), "1");
    EXPECT_EQ(ini.ReadString("S", "key", "d"), "2");
}

TEST(TIniList, ASeparatorOfItsOwn) {
    mz::TIniList ini;
    ini.SetSeparator(':');
    ini.WriteString("S", "k", "a=b");
    EXPECT_EQ(ini.Lines().back(), "k:a=b");
    EXPECT_EQ(ini.ReadString("S", "k", "d"), "a=b");
}

TEST(TIniList, EmptyFileNameTouchesNothing) {
    mz::TIniList ini;
    ini.WriteString("S", "k", "v");
    const Lines before = ini.Lines();
    EXPECT_FALSE(ini.LoadFile());
    EXPECT_FALSE(ini.SaveFile());
    EXPECT_EQ(ini.Lines(), before);
}

TEST(TIniList, FileErrorsPassToTheCallerAndKeepTheLines) {
    TempDir dir;
    mz::TIniList ini;
    ini.SetIniFilename(dir.file("missing.ini"));
    ini.WriteString("S", "k", "v");
    const Lines before = ini.Lines();
    EXPECT_THROW(ini.LoadFile(), mz::FileError);
    EXPECT_EQ(ini.Lines(), before);
    EXPECT_FALSE(dir.exists("missing.ini"));

    dir.write("Kovrin.ini", "; Kovrin\r\n");
    mz::test::FaultyFileLayer faulty;
    faulty.failAt = mz::test::FaultyFileLayer::Step::RenameFile;
    mz::TIniList failing(faulty);
    failing.SetIniFilename(dir.file("Kovrin.ini"));
    failing.WriteString("S", "k", "new");
    EXPECT_THROW(failing.SaveFile(), mz::FileError);
    EXPECT_EQ(failing.ReadString("S", "k", "d"), "new");
    EXPECT_EQ(dir.read("Kovrin.ini"), "; Kovrin\r\n");
}

TEST(TIniList, NotifiesAroundEveryChange) {
    Loaded l("; Kovrin\r\n[A]\r\nx=1\r\n");
    std::string log;
    auto record = [&log](char c) { return [&log, c](mz::TIniList&) { log += c; }; };
    l.ini.OnChanging = record('<');
    l.ini.OnChange = record('>');
    l.ini.OnSectionChange = record('S');
    l.ini.OnKeyChange = record('K');
    l.ini.OnValueChange = record('V');
    l.ini.WriteString("A", "x", "2"); // replaced
    l.ini.WriteString("A", "y", "2"); // inserted
    l.ini.WriteString("B", "z", "2"); // section appended, then key inserted
    l.ini.ReadString("A", "x", "");
    l.ini.SaveFile();
    l.ini.LoadFile();
    EXPECT_EQ(log, "<V><K><S><K><>");
}

} // namespace
