#include "tools/bibleimport/PlainText.h"

#include "tools/bibleimport/Unicode.h"

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace mz::bibleimport {

namespace {

// Elements whose content is no verse text: notes, and headings that the
// edition did not print as part of the text.
bool dropsContent(std::u32string_view name, std::u32string_view tag) {
    if (name == U"note")
        return true;
    if (name == U"title")
        return tag.find(U"canonical=\"true\"") == std::u32string_view::npos;
    return false;
}

// Elements that stand between words: line and paragraph breaks, poetry
// lines, division and chapter markers.
bool separatesWords(std::u32string_view name) {
    static const std::array<std::u32string_view, 14> kNames = {
        U"lb",    U"l",  U"lg",    U"p",    U"div",  U"milestone", U"chapter",
        U"verse", U"br", U"title", U"item", U"list", U"row",       U"cell"};
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

bool isEncliticPronoun(std::u32string_view word) {
    static const std::array<std::u32string_view, 11> kWords = {U"lo", U"la", U"los", U"las", U"le", U"les",
                                                               U"me", U"te", U"se",  U"nos", U"os"};
    return std::find(kWords.begin(), kWords.end(), word) != kWords.end();
}

// Words that end like a verb or carry an accent but take no pronoun after
// them: adverbs, interrogatives, pronouns, prepositions, nouns in -r/-d.
bool takesNoPronoun(const std::u32string& lower) {
    static const std::set<std::u32string> kWords = {
        U"más",      U"aún",      U"así",     U"allí",  U"allá",     U"acá",      U"aquí",     U"ahí",
        U"qué",      U"quién",    U"quiénes", U"cuál",  U"cuáles",   U"cómo",     U"cuándo",   U"cuánto",
        U"cuánta",   U"cuántos",  U"cuántas", U"dónde", U"adónde",   U"sólo",     U"él",       U"tú",
        U"mí",       U"sí",       U"también", U"según", U"después",  U"jamás",    U"además",   U"detrás",
        U"atrás",    U"través",   U"ningún",  U"algún", U"común",    U"por",      U"mayor",    U"menor",
        U"mejor",    U"peor",     U"señor",   U"amor",  U"temor",    U"dolor",    U"labor",    U"alrededor",
        U"verdad",   U"ciudad",   U"piedad",  U"par",   U"mar",      U"lugar",    U"altar",    U"hogar",
        U"mujer",    U"poder",    U"placer",  U"ayer",  U"interior", U"exterior", U"anterior", U"posterior",
        U"superior", U"inferior", U"sed",     U"red",   U"pared",    U"merced",   U"usted"};
    return kWords.count(lower) > 0;
}

bool takesPronoun(const std::u32string& text, size_t end) {
    size_t start = end;
    while (start > 0 && isLetter(text[start - 1]))
        --start;
    if (start == end)
        return false;
    const std::u32string word = text.substr(start, end - start);
    if (isUpper(word[0])) {
        // A capital inside a sentence marks a name.
        size_t k = start;
        while (k > 0 && isBlank(text[k - 1]))
            --k;
        if (k > 0) {
            const char32_t before = text[k - 1];
            if (isLetter(before) || before == ',' || (before >= '0' && before <= '9'))
                return false;
        }
    }
    const std::u32string lower = lowerCase(word);
    if (takesNoPronoun(lower))
        return false;
    static const std::set<std::u32string> kShortImperatives = {U"di", U"dí",  U"da",  U"haz", U"he",  U"vi",
                                                               U"ve", U"ten", U"pon", U"sal", U"ven", U"oye"};
    if (kShortImperatives.count(lower))
        return true;
    const char32_t last = lower.back();
    if (last == 'r' || last == 'd')
        return true;
    return lower.find_first_of(U"áéíóú") != std::u32string::npos;
}

struct Border {
    size_t pos;
    size_t innerEnd; // for the opening border of added words; npos otherwise
};

void decodeEntity(std::u32string_view name, std::u32string& out) {
    if (name == U"amp")
        out += U'&';
    else if (name == U"lt")
        out += U'<';
    else if (name == U"gt")
        out += U'>';
    else if (name == U"quot")
        out += U'"';
    else if (name == U"apos")
        out += U'\'';
    else if (name == U"nbsp")
        out += U' ';
    else if (name.size() > 1 && name[0] == '#') {
        char32_t cp = 0;
        const bool hex = name[1] == 'x' || name[1] == 'X';
        for (size_t i = hex ? 2 : 1; i < name.size(); ++i) {
            const char32_t d = name[i];
            int v = d >= '0' && d <= '9'          ? int(d - '0')
                    : hex && d >= 'a' && d <= 'f' ? int(d - 'a' + 10)
                    : hex && d >= 'A' && d <= 'F' ? int(d - 'A' + 10)
                                                  : -1;
            if (v < 0 || cp > 0x10FFFF) {
                cp = 0xFFFD;
                break;
            }
            cp = cp * (hex ? 16 : 10) + v;
        }
        out += cp;
    } else {
        out += U'&';
        out += name;
        out += U';';
    }
}

} // namespace

std::string osisToPlain(std::string_view osis) {
    const std::u32string in = decodeUtf8(osis);
    std::u32string out;
    out.reserve(in.size() / 2);

    struct Open {
        std::u32string name;
        bool dropping;
        size_t border; // index into borders for added words, npos otherwise
    };
    std::vector<Open> open;
    std::vector<Border> borders;
    auto dropping = [&open]() { return !open.empty() && open.back().dropping; };

    for (size_t i = 0; i < in.size();) {
        const char32_t c = in[i];
        if (c == '<') {
            const size_t close = in.find('>', i);
            if (close == std::u32string::npos) {
                // Not a tag: keep the text so that the table check reports it.
                if (!dropping())
                    out += in.substr(i);
                break;
            }
            std::u32string_view tag(in.data() + i + 1, close - i - 1);
            i = close + 1;
            if (tag.starts_with(U"!") || tag.starts_with(U"?"))
                continue;
            const bool closing = tag.starts_with(U"/");
            const bool empty = tag.ends_with(U"/");
            std::u32string_view body = tag.substr(closing ? 1 : 0);
            size_t nameEnd = 0;
            while (nameEnd < body.size() && !isBlank(body[nameEnd]) && body[nameEnd] != '/')
                ++nameEnd;
            const std::u32string name(body.substr(0, nameEnd));
            if (closing) {
                // Close the innermost element of that name and everything inside it.
                auto it =
                    std::find_if(open.rbegin(), open.rend(), [&](const Open& o) { return o.name == name; });
                if (it == open.rend())
                    continue;
                while (!open.empty()) {
                    Open o = std::move(open.back());
                    open.pop_back();
                    const bool wasDropping = o.dropping;
                    if (o.border != std::string::npos && !wasDropping) {
                        borders[o.border].innerEnd = out.size();
                        borders.push_back({out.size(), std::u32string::npos});
                    }
                    if (separatesWords(o.name) && !dropping() && !wasDropping)
                        out += U' ';
                    if (o.name == name)
                        break;
                }
                continue;
            }
            const bool drops = dropping() || dropsContent(name, tag);
            if (separatesWords(name) && !dropping())
                out += U' ';
            if (empty)
                continue;
            size_t border = std::string::npos;
            if (name == U"transChange" && !drops) {
                border = borders.size();
                borders.push_back({out.size(), std::u32string::npos});
            }
            open.push_back({name, drops, border});
            continue;
        }
        if (c == '&') {
            const size_t semi = in.find(';', i);
            if (semi != std::u32string::npos && semi - i <= 10) {
                if (!dropping())
                    decodeEntity(std::u32string_view(in.data() + i + 1, semi - i - 1), out);
                i = semi + 1;
                continue;
            }
        }
        if (!dropping())
            out += c;
        ++i;
    }

    // Put blanks in where added words meet letters, from the end so that the
    // recorded positions stay valid.
    std::vector<size_t> blanks;
    for (const auto& b : borders) {
        if (b.pos == 0 || b.pos >= out.size() || !isLetter(out[b.pos - 1]) || !isLetter(out[b.pos]))
            continue;
        if (b.innerEnd != std::u32string::npos && b.innerEnd > b.pos &&
            isEncliticPronoun(lowerCase(std::u32string_view(out).substr(b.pos, b.innerEnd - b.pos))) &&
            takesPronoun(out, b.pos))
            continue;
        blanks.push_back(b.pos);
    }
    std::sort(blanks.begin(), blanks.end());
    blanks.erase(std::unique(blanks.begin(), blanks.end()), blanks.end());
    for (auto it = blanks.rbegin(); it != blanks.rend(); ++it)
        out.insert(*it, 1, U' ');

    return tidyBlanks(encodeUtf8(out));
}

std::string tidyBlanks(std::string_view text) {
    const std::u32string in = decodeUtf8(text);
    std::u32string out;
    out.reserve(in.size());
    bool pendingBlank = false;
    for (char32_t c : in) {
        if (isBlank(c)) {
            pendingBlank = !out.empty();
            continue;
        }
        if (isInvisible(c))
            continue;
        if (pendingBlank)
            out += U' ';
        pendingBlank = false;
        out += c;
    }
    return encodeUtf8(out);
}

} // namespace mz::bibleimport
