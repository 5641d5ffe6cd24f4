// The xmlsql tool as users run it: output, conversions and exit status.
#include "tests/sqlxml/TestDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace {

struct ToolRun {
    std::string out;
    int status;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

ToolRun Xmlsql(const std::string& args) {
    const std::string cmd = std::string(XMLSQL_BIN) + " " + args + " 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    ToolRun r;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
        r.out.append(buf.data(), n);
    r.status = WEXITSTATUS(pclose(p));
    return r;
}

class XmlsqlTool : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("Favoritos.xml",
                  mz::test::crlf({"<?xml version='1.0' encoding='ISO-8859-1'?>",
                                  "<table fields=\"ID,Titulo,VersoID\" types=\"autoinc,string,string\" "
                                  "lastid=\"1\">",
                                  "\t<record>", "\t\t<field>1</field>", "\t\t<field>G\xE9nesis</field>",
                                  "\t\t<field>Gn:1:1</field>", "\t</record>", "</table>"}));
    }
    mz::test::TestDir dir;
};

TEST_F(XmlsqlTool, PrintsFieldsAndRecordsInUtf8) {
    // The directory is given without its trailing separator.
    const std::string d = dir.db().substr(0, dir.db().size() - 1);
    ToolRun r = Xmlsql(Quote(d) + " 'select * from favoritos'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "ID\tTitulo\tVersoID\n1\tG\xC3\xA9nesis\tGn:1:1\n");

    r = Xmlsql("--raw " + Quote(d) + " 'select Titulo from Favoritos'");
    EXPECT_EQ(r.out, "Titulo\nG\xE9nesis\n");

    r = Xmlsql(Quote(d) + " " +
               Quote("insert into Favoritos(Titulo, VersoID) values(\"\xC3\x89xodo\", \"Ex:1:1\""));
    EXPECT_EQ(r.out, "Result\n2\n");
    EXPECT_NE(dir.read("Favoritos.xml").find("<field>\xC9xodo</field>"), std::string::npos)
        << "the table holds Windows-1252";
}

TEST_F(XmlsqlTool, ExitStatus) {
    const struct {
        std::string args;
        int status;
    } cases[] = {
        {Quote(dir.db()) + " 'select * from Nada'", 1},
        {Quote(dir.db()) + " 'update Favoritos set Titulo=\"x\" where ID=1'", 0},
        {Quote(dir.db()) + " " + Quote("insert into Nada(T) values(\"x\""), 1},
        {Quote(dir.db() + "nowhere") + " 'select * from Favoritos'", 2},
        {Quote(dir.file("Favoritos.xml")) + " 'select * from Favoritos'", 2},
        {Quote(dir.db()), 2},
        {"--bogus " + Quote(dir.db()) + " 'select * from Favoritos'", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Xmlsql(c.args).status, c.status) << c.args;
}

TEST_F(XmlsqlTool, LogFollowsTheResult) {
    const ToolRun r = Xmlsql("--log " + Quote(dir.db()) + " 'select ID from Favoritos'");
    EXPECT_EQ(r.out.substr(0, 5), "ID\n1\n");
    EXPECT_NE(r.out.find(" Command finished succesfully\n", 5), std::string::npos);
}

} // namespace
