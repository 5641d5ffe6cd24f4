// A child process rewrites a table over and over and is killed at random
// moments; every time, the next statement must find either the old or the
// new table in full, never a mixture or a truncated file.
#include "sqlxml/XmlSqlDb.h"
#include "tests/sqlxml/Fixtures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace mz::test;

constexpr int kRecords = 2000;

// The table after "update T set Titulo=<k>": every title is k.
std::string TableWithTitles(int k) {
    std::string out = kDecl + "\r\n" + FavHeader(kRecords);
    for (int i = 1; i <= kRecords; ++i)
        out += Record({std::to_string(i), std::to_string(k), "Sal:23:" + std::to_string(i % 6 + 1)});
    return out + "</table>\r\n";
}

[[noreturn]] void RewriteForever(const std::string& db) {
    mz::TXmlSqlDb ds;
    ds.SetDataBase(db);
    ds.SetSql("select Titulo from T where ID = 1");
    ds.Open();
    if (ds.RecordCount() != 1)
        _exit(3);
    // Each round goes on from the titles the last one left.
    for (int k = std::stoi(ds.Fields(0).AsString()) + 1;; ++k) {
        ds.Close();
        ds.SetSql("update T set Titulo=\"" + std::to_string(k) + "\"");
        ds.Open();
        if (ds.FieldCount() != 1 || ds.Fields(0).AsString() != "Command finished succesfully")
            _exit(3);
    }
}

TEST(KillDuringRewrite, TheTableIsAlwaysWholeOldOrWholeNew) {
    TestDir dir;
    dir.write("T.xml", TableWithTitles(0));
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> delay(0, 40000); // microseconds

    int lastSeen = 0;
    for (int round = 0; round < 40; ++round) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            RewriteForever(dir.db());
        std::this_thread::sleep_for(std::chrono::microseconds(delay(rng)));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself with status " << status;

        // The next statement repairs whatever the kill interrupted.
        mz::TXmlSqlDb ds;
        ds.SetDataBase(dir.db());
        ds.SetSql("select Titulo from T where ID = 1");
        ds.Open();
        ASSERT_EQ(ds.RecordCount(), 1) << "round " << round;
        const int k = std::stoi(ds.Fields(0).AsString());
        ASSERT_EQ(dir.read("T.xml"), TableWithTitles(k)) << "round " << round;
        EXPECT_GE(k, lastSeen);
        lastSeen = k;
        EXPECT_FALSE(dir.exists("T.xml.tmp"));
        EXPECT_FALSE(dir.exists("T.xml.new"));
    }
    EXPECT_GT(lastSeen, 0) << "the child never finished a rewrite";
}

} // namespace
