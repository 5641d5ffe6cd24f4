#include "platform/QtText.h"

#include "platform/Win1252.h"

namespace mz {

QString fromCp1252(std::string_view bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* d = out.data();
    for (size_t i = 0; i < bytes.size(); ++i)
        d[i] = QChar(static_cast<char16_t>(cp1252ToCodePoint(static_cast<unsigned char>(bytes[i]))));
    return out;
}

std::string toCp1252(const QString& text, bool* lossless) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    bool ok = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const int b = codePointToCp1252(cp);
        if (b < 0)
            ok = false;
        out += static_cast<char>(b < 0 ? '?' : b);
    }
    if (lossless)
        *lossless = ok;
    return out;
}

} // namespace mz
