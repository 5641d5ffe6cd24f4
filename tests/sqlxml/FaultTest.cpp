#include "sqlxml/XmlSqlDb.h"
#include "tests/sqlxml/Fixtures.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace mz::test;

// The real file layer with one chosen operation made to fail.
class FaultyLayer final : public mz::TFileLayer {
public:
    enum Fault {
        None,
        RenameToBackup,         // the table cannot be moved to its backup
        RenameIntoPlace,        // the new file cannot take the table's name
        RenameIntoPlaceAndBack, // ... nor the backup go back
        RenameReady,            // the finished new file cannot be marked complete
        WriteHalfway,           // a write stops part-way
        Sync,                   // the new file cannot be synced
        CreateFails,            // the new file cannot be created
        ReadHalfway,            // the table cannot be read to its end
    };
    explicit FaultyLayer(Fault f) : fault_(f) {}

    std::optional<std::vector<std::string>> ListDir(const std::string& d) override {
        return real().ListDir(d);
    }
    bool Exists(const std::string& p) override { return real().Exists(p); }
    bool Remove(const std::string& p) override { return real().Remove(p); }
    bool Rename(const std::string& from, const std::string& to) override {
        if (fault_ == RenameToBackup && to.ends_with(".bak"))
            return false;
        if ((fault_ == RenameIntoPlace || fault_ == RenameIntoPlaceAndBack) && from.ends_with(".new"))
            return false;
        if (fault_ == RenameIntoPlaceAndBack && from.ends_with(".bak"))
            return false;
        if (fault_ == RenameReady && to.ends_with(".new"))
            return false;
        return real().Rename(from, to);
    }
    std::unique_ptr<mz::TReadFile> OpenRead(const std::string& p) override {
        auto f = real().OpenRead(p);
        if (f && fault_ == ReadHalfway)
            return std::make_unique<HalfReader>(std::move(f));
        return f;
    }
    std::unique_ptr<mz::TWriteFile> Create(const std::string& p, const std::string& m) override {
        if (fault_ == CreateFails)
            return nullptr;
        auto f = real().Create(p, m);
        if (f && (fault_ == WriteHalfway || fault_ == Sync))
            return std::make_unique<BadWriter>(std::move(f), fault_ == WriteHalfway);
        return f;
    }
    bool SyncDir(const std::string& d) override { return real().SyncDir(d); }

private:
    static mz::TFileLayer& real() { return mz::DefaultFileLayer(); }

    struct HalfReader final : mz::TReadFile {
        explicit HalfReader(std::unique_ptr<mz::TReadFile> f) : f(std::move(f)) {}
        long Read(char* b, size_t n) override {
            if (done)
                return -1;
            done = true;
            return f->Read(b, std::min<size_t>(n, 150));
        }
        std::unique_ptr<mz::TReadFile> f;
        bool done = false;
    };
    struct BadWriter final : mz::TWriteFile {
        BadWriter(std::unique_ptr<mz::TWriteFile> f, bool half) : f(std::move(f)), half(half) {}
        bool Write(const char* d, size_t n) override {
            if (half) {
                f->Write(d, n / 2);
                return false;
            }
            return f->Write(d, n);
        }
        bool Sync() override { return half ? f->Sync() : false; }
        bool Close() override { return f->Close(); }
        std::unique_ptr<mz::TWriteFile> f;
        bool half;
    };

    Fault fault_;
};

const char* kRewrites[] = {
    "insert into Favoritos(Titulo, VersoID) values(\"Fe\", \"Heb:11:1\"",
    "update Favoritos set Titulo=\"x\" where ID=6",
    "delete from Favoritos where ID = 5",
    "delete from Favoritos",
};

TEST(Faults, NoFailedRewriteChangesTheTableOrItsBackup) {
    const FaultyLayer::Fault faults[] = {
        FaultyLayer::RenameToBackup, FaultyLayer::RenameIntoPlace,
        FaultyLayer::RenameReady,    FaultyLayer::WriteHalfway,
        FaultyLayer::Sync,           FaultyLayer::CreateFails,
        FaultyLayer::ReadHalfway,
    };
    for (FaultyLayer::Fault fault : faults) {
        for (const char* sql : kRewrites) {
            TestDir dir;
            dir.write("Favoritos.xml", Favoritos());
            dir.write("Favoritos.xml.bak", "previous backup");
            FaultyLayer layer(fault);
            const Outcome o = Exec(dir, sql, layer);
            const std::string label = std::string(sql) + " with fault " + std::to_string(fault);
            EXPECT_EQ(o.message(), "Error: Finding table") << label;
            EXPECT_EQ(dir.read("Favoritos.xml"), Favoritos()) << label;
            // Once the table has moved to its backup, putting it back uses
            // the backup's name: only the faults before that keep the old one.
            if (fault != FaultyLayer::RenameIntoPlace) {
                EXPECT_EQ(dir.read("Favoritos.xml.bak"), "previous backup") << label;
            }
            EXPECT_FALSE(dir.exists("Favoritos.xml.tmp")) << label;
            EXPECT_FALSE(dir.exists("Favoritos.xml.new")) << label;
        }
    }
}

TEST(Faults, ABackupThatCannotBeReplacedStopsTheRewrite) {
    // A directory in the backup's place cannot be deleted or replaced.
    for (const char* sql : kRewrites) {
        TestDir dir;
        dir.write("Favoritos.xml", Favoritos());
        std::filesystem::create_directories(dir.file("Favoritos.xml.bak/keep"));
        EXPECT_EQ(Exec(dir, sql).message(), "Error: Finding table") << sql;
        EXPECT_EQ(dir.read("Favoritos.xml"), Favoritos()) << sql;
        EXPECT_TRUE(std::filesystem::exists(dir.file("Favoritos.xml.bak/keep"))) << sql;
        EXPECT_FALSE(dir.exists("Favoritos.xml.new")) << sql;
    }
}

TEST(Faults, ATableCaughtWithoutItsNameComesBackOnTheNextStatement) {
    // Neither the new file nor the backup can be renamed: the statement
    // fails, and the next statement finds the complete new content.
    TestDir dir;
    dir.write("Favoritos.xml", Favoritos());
    FaultyLayer layer(FaultyLayer::RenameIntoPlaceAndBack);
    EXPECT_EQ(Exec(dir, kRewrites[0], layer).message(), "Error: Finding table");
    EXPECT_FALSE(dir.exists("Favoritos.xml"));
    EXPECT_EQ(dir.read("Favoritos.xml.bak"), Favoritos());

    const Outcome o = Exec(dir, "select ID from Favoritos");
    EXPECT_EQ(o.cells, (std::vector<std::string>{"ID", "5", "6", "7", "8"}));
    EXPECT_EQ(dir.read("Favoritos.xml.bak"), Favoritos());
}

TEST(Faults, CreateTableLeavesNoHalfFile) {
    for (auto fault : {FaultyLayer::WriteHalfway, FaultyLayer::Sync, FaultyLayer::CreateFails}) {
        TestDir dir;
        FaultyLayer layer(fault);
        EXPECT_EQ(Exec(dir, "create table T (a text)", layer).message(), "Error: Finding table");
        EXPECT_FALSE(dir.exists("T.xml"));
        EXPECT_FALSE(dir.exists("T.xml.tmp"));
    }
}

TEST(Faults, DropTableThatCannotMoveReportsTheFailure) {
    TestDir dir;
    dir.write("Favoritos.xml", Favoritos());
    FaultyLayer layer(FaultyLayer::RenameToBackup);
    EXPECT_EQ(Exec(dir, "drop table Favoritos", layer).message(), "Error: Finding table");
    EXPECT_EQ(dir.read("Favoritos.xml"), Favoritos());
}

TEST(Faults, TheDatasetReportsTheFailureAsItsResult) {
    TestDir dir;
    dir.write("Favoritos.xml", Favoritos());
    FaultyLayer layer(FaultyLayer::WriteHalfway);
    mz::TXmlSqlDb db(layer);
    db.SetDataBase(dir.db());
    db.SetSql(kRewrites[0]);
    db.Open();
    EXPECT_EQ(db.FieldByName("Result").AsString(), "Error: Finding table");
}

} // namespace
