// The installed SWORD library, as the importer needs it.
//
// Opens the library SWORD finds on its own (its configuration, ~/.sword, or
// the SWORD_PATH environment variable), reads one Bible module's verses as
// plain text and gives the chapter sizes of a standard versification. Nothing
// here knows the table beyond the OSIS book names of the layout.
//
// Text: an OSIS module's entries go through osisToPlain; any other markup is
// stripped by SWORD itself with every optional filter (Strong's numbers,
// notes, headings, morphology) switched off. Entries come back as UTF-8.
//
// One object per import, used from one thread; it owns the SWORD manager.
#pragma once

#include "tools/bibleimport/Layout.h"
#include "tools/bibleimport/Renumber.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sword {
class SWMgr;
}

namespace mz::bibleimport {

class SwordLibrary {
public:
    SwordLibrary();
    ~SwordLibrary();
    SwordLibrary(const SwordLibrary&) = delete;
    SwordLibrary& operator=(const SwordLibrary&) = delete;

    // Names of the installed Bible modules, sorted.
    std::vector<std::string> bibles() const;

    enum class Status { Ok, NotInstalled, NotABible };

    // Called with the module's book being read, its position and the
    // module's book count.
    using Progress = std::function<void(const std::string& osisBook, int index, int count)>;

    // Reads `module` into `text`, books arranged like `layout`'s. Books the
    // layout lacks (deuterocanonical ones) are listed in `skipped`. `kind`
    // receives the module's type when it is not a Bible.
    Status read(const std::string& module, const Layout& layout, SourceBible& text,
                std::vector<std::string>& skipped, std::string& kind, const Progress& progress);

    // Chapter sizes of a versification known to SWORD ("KJV"); empty when
    // SWORD does not know it.
    VersificationSizes versification(const std::string& name) const;

private:
    std::unique_ptr<sword::SWMgr> manager_;
};

} // namespace mz::bibleimport
