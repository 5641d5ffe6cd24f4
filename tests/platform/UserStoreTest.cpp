#include "platform/UserStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace mz {
namespace {

TEST(UserStore, KeyPathsNormalise) {
    struct Case {
        const char* path;
        const char* key;
    };
    const Case cases[] = {
        {"\\SOFTWARE\\\\Kovrin\\ALERT", "SOFTWARE/Kovrin/ALERT"},
        {"\\SOFTWARE\\Kovrin\\\\ALERT\\", "SOFTWARE/Kovrin/ALERT"},
        {"SOFTWARE/Kovrin/ALERT", "SOFTWARE/Kovrin/ALERT"},
        {"//a\\/b//", "a/b"},
        {"\\\\", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UserStore::normalizeKey(QString::fromLatin1(c.path)), QString::fromLatin1(c.key)) << c.path;
}

TEST(UserStore, IntegersRoundTripUnderDifferentSpellingsOfAKey) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("user.conf"));
    {
        UserStore store(file);
        EXPECT_TRUE(store.writeInt(QStringLiteral("\\SOFTWARE\\\\Kovrin\\ALERT"), QStringLiteral("X"), -40));
        EXPECT_TRUE(store.writeInt(QStringLiteral("\\SOFTWARE\\\\Kovrin\\ALERT"), QStringLiteral("Y"), 700));
    }
    UserStore again(file);
    EXPECT_EQ(again.readInt(QStringLiteral("SOFTWARE/Kovrin/ALERT"), QStringLiteral("X")), -40);
    EXPECT_EQ(again.readInt(QStringLiteral("\\SOFTWARE\\Kovrin\\ALERT\\"), QStringLiteral("Y")), 700);
    EXPECT_EQ(again.readInt(QStringLiteral("SOFTWARE/Kovrin/ALERT"), QStringLiteral("Z")), std::nullopt);
    EXPECT_EQ(again.readInt(QStringLiteral("SOFTWARE/Other"), QStringLiteral("X")), std::nullopt);
}

TEST(UserStore, AFileThatCannotBeWrittenLeavesNothingBehind) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A regular file where the store's directory would have to be.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    UserStore store(dir.filePath(QStringLiteral("blocker/user.conf")));
    EXPECT_FALSE(store.writeInt(QStringLiteral("SOFTWARE/Kovrin/ALERT"), QStringLiteral("X"), 5));
    EXPECT_EQ(store.readInt(QStringLiteral("SOFTWARE/Kovrin/ALERT"), QStringLiteral("X")), std::nullopt);
}

} // namespace
} // namespace mz
