#include "tools/bibleimport/ChapterCapitals.h"

#include "tools/bibleimport/Unicode.h"

#include <vector>

namespace mz::bibleimport {

namespace {

struct Word {
    size_t begin;
    size_t end;
};

std::vector<Word> wordsOf(const std::u32string& text) {
    std::vector<Word> words;
    for (size_t i = 0; i < text.size();) {
        if (!isLetter(text[i])) {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < text.size() && isLetter(text[j]))
            ++j;
        words.push_back({i, j});
        i = j;
    }
    return words;
}

bool allCapitals(const std::u32string& text, const Word& w) {
    if (w.end - w.begin < 2)
        return false;
    for (size_t i = w.begin; i < w.end; ++i)
        if (isLower(text[i]) || !isUpper(text[i]))
            return false;
    return true;
}

bool singleCapital(const std::u32string& text, const Word& w) {
    return w.end - w.begin == 1 && isUpper(text[w.begin]);
}

bool oneBlankBetween(const std::u32string& text, const Word& a, const Word& b) {
    return b.begin == a.end + 1 && text[a.end] == ' ';
}

bool labelled(const std::u32string& text, const Word& w) {
    return w.end < text.size() && text[w.end] == '.';
}

} // namespace

void NameIndex::add(std::string_view utf8) {
    const std::u32string text = decodeUtf8(utf8);
    for (const Word& w : wordsOf(text)) {
        if (w.end - w.begin < 2 || allCapitals(text, w))
            continue;
        std::u32string_view word(text.data() + w.begin, w.end - w.begin);
        const std::u32string lower = lowerCase(word);
        if (word == lower) {
            ++uses_[lower].lower;
            continue;
        }
        if (std::u32string_view(word).substr(1) != std::u32string_view(lower).substr(1))
            continue; // mixed case inside the word
        size_t k = w.begin;
        while (k > 0 && text[k - 1] == ' ')
            --k;
        if (k > 0 && (isLetter(text[k - 1]) || text[k - 1] == ','))
            ++uses_[lower].capitalised;
    }
}

bool NameIndex::isName(std::u32string_view lowerWord) const {
    auto it = uses_.find(std::u32string(lowerWord));
    return it != uses_.end() && it->second.capitalised > it->second.lower;
}

std::string normaliseOpening(std::string_view utf8, bool chapterStart, const NameIndex& names) {
    std::u32string text = decodeUtf8(utf8);
    const std::vector<Word> words = wordsOf(text);
    size_t opening = words.size();
    if (chapterStart) {
        for (size_t i = 0; i < words.size(); ++i) {
            if (allCapitals(text, words[i]) && !labelled(text, words[i])) {
                opening = i;
                break;
            }
        }
    } else if (words.size() >= 2 && allCapitals(text, words[0]) && !labelled(text, words[0]) &&
               isLower(text[words[1].begin])) {
        bool onlyPunctuationBefore = true;
        for (size_t i = 0; i < words[0].begin; ++i)
            if (text[i] != U'¿' && text[i] != U'¡' && text[i] != '(' && text[i] != '"' && text[i] != '\'')
                onlyPunctuationBefore = false;
        if (onlyPunctuationBefore)
            opening = 0;
    }
    if (opening == words.size())
        return std::string(utf8);

    size_t first = opening;
    while (first > 0 && singleCapital(text, words[first - 1]) &&
           oneBlankBetween(text, words[first - 1], words[first]))
        --first;
    size_t last = opening;
    while (last + 1 < words.size() && allCapitals(text, words[last + 1]) &&
           oneBlankBetween(text, words[last], words[last + 1]))
        ++last;

    for (size_t i = first; i <= last; ++i) {
        const Word& w = words[i];
        std::u32string_view word(text.data() + w.begin, w.end - w.begin);
        const std::u32string lower = lowerCase(word);
        const std::u32string written = i == first || names.isName(lower) ? titleCase(word) : lower;
        text.replace(w.begin, written.size(), written);
    }
    return encodeUtf8(text);
}

} // namespace mz::bibleimport
