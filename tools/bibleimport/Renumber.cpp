#include "tools/bibleimport/Renumber.h"

#include "tools/bibleimport/Unicode.h"

#include <map>
#include <optional>

namespace mz::bibleimport {

namespace {

std::string chapterVerse(const VerseRef& r) {
    return std::to_string(r.chapter) + ":" + std::to_string(r.verse);
}

std::string trim(std::string_view s) {
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string_view::npos)
        return {};
    const size_t b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

std::string capitaliseFirstLetter(const std::string& s) {
    std::u32string text = decodeUtf8(s);
    for (auto& c : text) {
        if (isLetter(c)) {
            c = toUpper(c);
            break;
        }
    }
    return encodeUtf8(text);
}

class Renumberer {
public:
    Renumberer(const Layout& layout, const SourceBible& source) : layout_(layout), source_(source) {}

    RenumberResult run(const NumberingPlan& plan) {
        for (const auto& rule : plan.rules)
            if (!apply(rule))
                return planFailure();
        return fill();
    }

private:
    const std::string* sourceText(const VerseRef& r) const {
        if (r.book < 0 || r.book >= static_cast<int>(source_.books.size()))
            return nullptr;
        const auto& chapters = source_.books[r.book].chapters;
        if (r.chapter < 1 || r.chapter > static_cast<int>(chapters.size()))
            return nullptr;
        const auto& verses = chapters[r.chapter - 1];
        if (r.verse < 1 || r.verse > static_cast<int>(verses.size()))
            return nullptr;
        return &verses[r.verse - 1];
    }

    std::optional<VerseRef> sourceNext(const VerseRef& r) const {
        if (sourceText({r.book, r.chapter, r.verse + 1}))
            return VerseRef{r.book, r.chapter, r.verse + 1};
        const auto& chapters = source_.books[r.book].chapters;
        for (int c = r.chapter + 1; c <= static_cast<int>(chapters.size()); ++c)
            if (!chapters[c - 1].empty())
                return VerseRef{r.book, c, 1};
        return std::nullopt;
    }

    bool fail(const NumberingRule& rule, const std::string& what) {
        error_ = "línea " + std::to_string(rule.line) + ": " + what;
        return false;
    }

    RenumberResult planFailure() {
        RenumberResult r;
        r.error = error_;
        r.planError = true;
        return r;
    }

    std::optional<std::vector<VerseRef>> targets(const NumberingRule& rule) {
        std::vector<VerseRef> list;
        if (!layout_.contains(rule.target.first) || !layout_.contains(rule.target.last)) {
            fail(rule, "el destino " +
                           layout_.verseId(layout_.contains(rule.target.first) ? rule.target.last
                                                                               : rule.target.first) +
                           " no está en la tabla");
            return std::nullopt;
        }
        for (std::optional<VerseRef> r = rule.target.first; r && *r <= rule.target.last; r = layout_.next(*r))
            list.push_back(*r);
        return list;
    }

    std::optional<std::vector<VerseRef>> sources(const NumberingRule& rule) {
        std::vector<VerseRef> list;
        for (const VerseRef& end : {rule.source.first, rule.source.last})
            if (!sourceText(end)) {
                fail(rule, "el módulo no tiene " + layout_.verseId(end));
                return std::nullopt;
            }
        for (std::optional<VerseRef> r = rule.source.first; r && *r <= rule.source.last; r = sourceNext(*r))
            list.push_back(*r);
        return list;
    }

    // The text of a source verse, which a rule takes once.
    const std::string* take(const NumberingRule& rule, const VerseRef& r) {
        const std::string* text = sourceText(r);
        if (!text) {
            fail(rule, "el módulo no tiene " + layout_.verseId(r));
            return nullptr;
        }
        if (text->empty()) {
            fail(rule, layout_.verseId(r) + " no tiene texto en el módulo");
            return nullptr;
        }
        if (auto it = usedBy_.find(r); it != usedBy_.end()) {
            fail(rule, layout_.verseId(r) + " ya lo toma la línea " + std::to_string(it->second));
            return nullptr;
        }
        usedBy_[r] = rule.line;
        return text;
    }

    bool assign(const NumberingRule& rule, const VerseRef& target, std::string text) {
        if (assigned_.count(target))
            return fail(rule, "el destino " + layout_.verseId(target) + " ya tiene texto de otra línea");
        assigned_[target] = std::move(text);
        return true;
    }

    bool apply(const NumberingRule& rule) {
        auto to = targets(rule);
        if (!to)
            return false;
        switch (rule.kind) {
        case NumberingRule::Kind::Move: {
            auto from = sources(rule);
            if (!from)
                return false;
            if (from->size() != to->size())
                return fail(rule, "el origen tiene " + std::to_string(from->size()) +
                                      " versículos y el destino " + std::to_string(to->size()));
            for (size_t i = 0; i < to->size(); ++i) {
                const std::string* text = take(rule, (*from)[i]);
                if (!text || !assign(rule, (*to)[i], *text))
                    return false;
            }
            return true;
        }
        case NumberingRule::Kind::Join: {
            std::string joined;
            for (const VerseRef& r : rule.joined) {
                const std::string* text = take(rule, r);
                if (!text)
                    return false;
                joined += joined.empty() ? "" : " ";
                joined += *text;
            }
            return assign(rule, to->front(), std::move(joined));
        }
        case NumberingRule::Kind::Split: {
            if (to->size() != rule.anchors.size() + 1)
                return fail(rule, "dividir en " + std::to_string(rule.anchors.size() + 1) +
                                      " trozos no da los " + std::to_string(to->size()) +
                                      " versículos del destino");
            const std::string* text = take(rule, rule.source.first);
            if (!text)
                return false;
            std::vector<size_t> cuts;
            size_t from = 0;
            for (const auto& anchor : rule.anchors) {
                const size_t at = text->find(anchor, from);
                if (at == std::string::npos)
                    return fail(rule, "no se encuentra \"" + anchor + "\" en " +
                                          layout_.verseId(rule.source.first) +
                                          (text->find(anchor) != std::string::npos ? " en su orden" : ""));
                if (text->find(anchor, at + 1) != std::string::npos ||
                    text->substr(0, at).find(anchor) != std::string::npos)
                    return fail(rule, "\"" + anchor + "\" aparece más de una vez en " +
                                          layout_.verseId(rule.source.first));
                cuts.push_back(at);
                from = at + anchor.size();
            }
            cuts.push_back(text->size());
            size_t begin = 0;
            for (size_t i = 0; i < cuts.size(); ++i) {
                std::string piece = trim(std::string_view(*text).substr(begin, cuts[i] - begin));
                if (piece.empty())
                    return fail(rule, "un trozo de " + layout_.verseId(rule.source.first) + " queda vacío");
                if (i > 0)
                    piece = capitaliseFirstLetter(piece);
                if (!assign(rule, (*to)[i], std::move(piece)))
                    return false;
                begin = cuts[i];
            }
            return true;
        }
        }
        return false;
    }

    RenumberResult fill() {
        RenumberResult result;
        std::string differ;
        for (int b = 0; b < layout_.bookCount(); ++b) {
            std::string problem;
            const bool present = b < static_cast<int>(source_.books.size()) && source_.books[b].present;
            if (!present)
                problem = "no está en el módulo";
            for (int c = 1; c <= layout_.chapterCount(b) && present; ++c) {
                for (int v = 1; v <= layout_.verseCount(b, c); ++v) {
                    const VerseRef r{b, c, v};
                    if (auto it = assigned_.find(r); it != assigned_.end()) {
                        result.verses.push_back({r, std::move(it->second)});
                        continue;
                    }
                    const std::string* text = sourceText(r);
                    if (text && !text->empty() && !usedBy_.count(r)) {
                        usedBy_[r] = 0;
                        result.verses.push_back({r, *text});
                    } else if (problem.empty()) {
                        problem = "falta " + chapterVerse(r);
                    }
                }
            }
            if (problem.empty()) {
                const auto& chapters = source_.books[b].chapters;
                for (int c = 1; c <= static_cast<int>(chapters.size()) && problem.empty(); ++c)
                    for (int v = 1; v <= static_cast<int>(chapters[c - 1].size()) && problem.empty(); ++v)
                        if (!chapters[c - 1][v - 1].empty() && !usedBy_.count({b, c, v}))
                            problem = "sobra " + chapterVerse({b, c, v});
            }
            if (!problem.empty()) {
                differ += differ.empty() ? "" : ", ";
                differ += layout_.books()[b].name + " (" + problem + ")";
            }
        }
        if (!differ.empty()) {
            result.verses.clear();
            result.error = "no cabe en la numeración de la tabla; difieren " + differ;
        }
        return result;
    }

    const Layout& layout_;
    const SourceBible& source_;
    std::map<VerseRef, std::string> assigned_;
    std::map<VerseRef, int> usedBy_; // 0: taken by its own number
    std::string error_;
};

} // namespace

RenumberResult renumber(const Layout& layout, const NumberingPlan& plan, const SourceBible& source) {
    return Renumberer(layout, source).run(plan);
}

} // namespace mz::bibleimport
