#include "platform/LinkOpener.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records what would be opened instead of opening it.
class RecordedLinks {
public:
    explicit RecordedLinks(bool accept = true) {
        m_previous = mz::setLinkOpenHandler([this, accept](const QUrl& url) {
            opened.push_back(url);
            return accept;
        });
    }
    ~RecordedLinks() { mz::setLinkOpenHandler(m_previous); }

    std::vector<QUrl> opened;

private:
    mz::LinkOpenHandler m_previous;
};

struct UrlCase {
    const char* text;
    const char* url; // empty: nothing to open
};

TEST(LinkOpener, TurnsLinkTextsIntoUrls) {
    const UrlCase cases[] = {
        {"https://morvek-zefra.example.org/", "https://morvek-zefra.example.org/"},
        {"  https://morvek-zefra.example.org/noticias.htm \t",
         "https://morvek-zefra.example.org/noticias.htm"},
        {"mailto: zefra@morvek-zefra.example.org", "mailto:zefra@morvek-zefra.example.org"},
        {"MAILTO:zefra@morvek-zefra.example.org", "mailto:zefra@morvek-zefra.example.org"},
        {"/opt/morvek zefra/../morvek zefra/leeme.htm", "file:///opt/morvek%20zefra/leeme.htm"},
        {"file:///opt/mz/leeme.htm", "file:///opt/mz/leeme.htm"},
        {"www.example.org", "http://www.example.org"},
        {"", ""},
        {"   ", ""},
    };
    for (const UrlCase& c : cases)
        EXPECT_EQ(mz::linkUrl(QString::fromUtf8(c.text)).toString(QUrl::FullyEncoded), c.url) << c.text;
}

TEST(LinkOpener, RelativeNameOfAnExistingFileOpensThatFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile page(dir.filePath("leeme.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QUrl url = mz::linkUrl("leeme.htm");
    QDir::setCurrent(before);
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(QFileInfo(url.toLocalFile()).canonicalFilePath(), QFileInfo(page).canonicalFilePath());
}

TEST(LinkOpener, OpensThroughTheHandlerAndPassesItsAnswerOn) {
    {
        RecordedLinks links(true);
        EXPECT_TRUE(mz::openLink(" mailto: zefra@morvek-zefra.example.org"));
        ASSERT_EQ(links.opened.size(), 1u);
        EXPECT_EQ(links.opened[0], QUrl("mailto:zefra@morvek-zefra.example.org"));
    }
    {
        RecordedLinks links(false);
        EXPECT_FALSE(mz::openLink("https://morvek-zefra.example.org/"));
        EXPECT_EQ(links.opened.size(), 1u);
    }
}

TEST(LinkOpener, BlankTextOpensNothing) {
    RecordedLinks links;
    EXPECT_FALSE(mz::openLink(""));
    EXPECT_FALSE(mz::openLink(" \t "));
    EXPECT_TRUE(links.opened.empty());
}

} // namespace
