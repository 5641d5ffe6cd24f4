#include "tools/bibleimport/SwordLibrary.h"

#include "platform/Win1252.h"
#include "tools/bibleimport/PlainText.h"

#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>
#include <versificationmgr.h>

#include <algorithm>

namespace mz::bibleimport {

SwordLibrary::SwordLibrary() {
    // SWORD reports missing optional files on stderr; the importer reports
    // its own errors.
    sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
    manager_ = std::make_unique<sword::SWMgr>();
    for (const auto& option : manager_->getGlobalOptions())
        manager_->setGlobalOption(option.c_str(), "Off");
}

SwordLibrary::~SwordLibrary() = default;

std::vector<std::string> SwordLibrary::bibles() const {
    std::vector<std::string> names;
    for (const auto& [name, module] : manager_->getModules())
        if (std::string(module->getType()) == sword::SWMgr::MODTYPE_BIBLES)
            names.emplace_back(name.c_str());
    std::sort(names.begin(), names.end());
    return names;
}

SwordLibrary::Status SwordLibrary::read(const std::string& moduleName, const Layout& layout,
                                        SourceBible& text, std::vector<std::string>& skipped,
                                        std::string& kind, const Progress& progress) {
    sword::SWModule* module = manager_->getModule(moduleName.c_str());
    if (!module)
        return Status::NotInstalled;
    kind = module->getType();
    if (kind != sword::SWMgr::MODTYPE_BIBLES)
        return Status::NotABible;

    std::unique_ptr<sword::SWKey> created(module->createKey());
    auto* verseKey = dynamic_cast<sword::VerseKey*>(created.get());
    if (!verseKey)
        return Status::NotABible;
    verseKey->setIntros(false);
    module->setKey(*verseKey);

    const sword::VersificationMgr::System* system =
        sword::VersificationMgr::getSystemVersificationMgr()->getVersificationSystem(
            verseKey->getVersificationSystem());
    const int moduleBooks = system ? system->getBookCount() : 0;

    const bool osis = module->getMarkup() == sword::FMT_OSIS;
    const bool utf8 = module->getEncoding() == sword::ENC_UTF8;
    const bool latin = module->getEncoding() == sword::ENC_LATIN1;

    text.books.assign(layout.bookCount(), SourceBook{});
    std::string currentBook;
    int bookIndex = -1;
    int bookNumber = 0;
    for (*module = sword::TOP; !module->popError(); (*module)++) {
        const auto* key = dynamic_cast<const sword::VerseKey*>(module->getKey());
        if (!key)
            continue;
        const std::string osisBook = key->getOSISBookName();
        if (osisBook != currentBook) {
            currentBook = osisBook;
            ++bookNumber;
            bookIndex = layout.findOsis(osisBook);
            if (bookIndex < 0)
                skipped.push_back(osisBook);
            if (progress)
                progress(osisBook, bookNumber, moduleBooks);
        }
        const int chapter = key->getChapter();
        const int verse = key->getVerse();
        if (bookIndex < 0 || chapter < 1 || verse < 1)
            continue;
        SourceBook& book = text.books[bookIndex];
        book.present = true;
        if (static_cast<int>(book.chapters.size()) < chapter)
            book.chapters.resize(chapter);
        auto& verses = book.chapters[chapter - 1];
        if (static_cast<int>(verses.size()) < verse)
            verses.resize(verse);
        if (osis && (utf8 || latin)) {
            const std::string raw = module->getRawEntry();
            verses[verse - 1] = osisToPlain(utf8 ? raw : cp1252ToUtf8(raw));
        } else {
            verses[verse - 1] = tidyBlanks(module->stripText());
        }
    }
    return Status::Ok;
}

VersificationSizes SwordLibrary::versification(const std::string& name) const {
    VersificationSizes sizes;
    const sword::VersificationMgr::System* system =
        sword::VersificationMgr::getSystemVersificationMgr()->getVersificationSystem(name.c_str());
    if (!system)
        return sizes;
    for (int b = 0; b < system->getBookCount(); ++b) {
        const sword::VersificationMgr::Book* book = system->getBook(b);
        std::vector<int>& chapters = sizes[book->getOSISName()];
        for (int c = 1; c <= book->getChapterMax(); ++c)
            chapters.push_back(book->getVerseMax(c));
    }
    return sizes;
}

} // namespace mz::bibleimport
