#include "widgets/Drawing.h"
#include "widgets/ImageList.h"
#include "widgets/MarkupRenderer.h"
#include "widgets/PictureContainer.h"

// Interpretation of tags and pictures.

namespace mz::markup {

TagEnd Renderer::tag(QStringView tagView, const LineBox& box, Pass pass, const LineInfo* measured) {
    const QString tag = tagView.toString();
    const QString upper = asciiUpper(tagView);
    const bool closing = upper.size() > 1 && upper[1] == QLatin1Char('/');
    const qsizetype at = closing ? 2 : 1;
    const QChar c = at < upper.size() ? upper[at] : QChar();
    const QChar d = at + 1 < upper.size() ? upper[at + 1] : QChar();
    const bool draw = pass == Pass::Draw;
    const bool drawColors = draw && !opt_.selected;
    const int baseSize = canvas_.font.pointSize();
    const LineInfo m = measured ? *measured : LineInfo{};

    auto number = [&](QStringView name) { return leadingNumber(attribute(upper, upper, name)); };
    // The value of the first letter `letter` in the tag, as IND, OF and R take it.
    auto letterValue = [&](QChar letter) {
        const qsizetype i = upper.indexOf(letter, at);
        if (i < 0)
            return 0;
        return leadingNumber(attribute(upper, upper, QStringView(upper).mid(i, 1)));
    };

    switch (c.unicode()) {
    case 'A':
        if (!closing) {
            st_.linkCounter++;
            st_.linkNumber = st_.linkCounter;
            st_.linkText = firstQuoted(tag);
            st_.inLink = true;
            st_.brushBeforeLink = st_.brush;
            linkStartX_ = curX_;
            if (st_.linkNumber == opt_.focusLink + 1)
                out_.focusAnchor = st_.linkText;
            const bool isHover = st_.linkNumber == opt_.hoverLink;
            if (draw && (!opt_.hoverStyle || isHover)) {
                st_.font.setUnderline(true);
                fontChanged();
                if (opt_.hoverColor != clNone)
                    st_.brush = opt_.hoverColor;
                if (opt_.hoverFontColor != clNone)
                    st_.color = opt_.hoverFontColor;
            }
            if (!opt_.selected && !(opt_.hoverFontColor != clNone && opt_.hoverStyle && isHover))
                st_.color = opt_.linkColor;
        } else {
            if (st_.inLink)
                closeLinkOnLine(box, pass);
            if (draw && (!opt_.hoverStyle || st_.linkNumber == opt_.hoverLink)) {
                st_.font.setUnderline(false);
                fontChanged();
                st_.brush = st_.brushBeforeLink;
            }
            if (!opt_.selected)
                st_.color = canvas_.fontColor;
            st_.inLink = false;
        }
        return TagEnd::None;

    case 'B':
        if (closing) {
            if (d == QLatin1Char('>')) {
                st_.font.setBold(false);
                fontChanged();
            } else {
                st_.color = canvas_.fontColor; // </body>, </blink>
            }
            return TagEnd::None;
        }
        if (d == QLatin1Char('>')) {
            st_.font.setBold(true);
            fontChanged();
        } else if (d == QLatin1Char('R')) {
            return TagEnd::After;
        } else if (d == QLatin1Char('O')) {
            if (draw && !opt_.selected)
                drawBody(tag, upper);
        } else if (d == QLatin1Char('L')) {
            if (!opt_.blink)
                st_.color = canvas_.brushColor;
        }
        return TagEnd::None;

    case 'E':
        if (draw)
            st_.error = !closing;
        return TagEnd::None;

    case 'F':
        if (!closing) {
            bool found = false;
            const QString face = attribute(upper, tag, u"FACE", &found);
            if (found && !face.isEmpty()) {
                st_.font.setFamily(face);
                fontChanged();
            }
            const QString color = attribute(upper, upper, u" COLOR", &found);
            if (found && !opt_.selected)
                st_.color = parseColor(color);
            st_.brushBeforeFont = st_.brush;
            const QString bg = attribute(upper, upper, u"BGCOLOR", &found);
            if (found && drawColors)
                st_.brush = parseColor(bg);
            const QString size = attribute(upper, upper, u"SIZE", &found);
            if (found) {
                static constexpr int kSizes[] = {8, 10, 12, 14, 16};
                const int n = leadingNumber(size);
                const int points = n >= 1 && n <= 5 ? kSizes[n - 1] : n;
                if (points > 0) {
                    st_.font.setPointSize(points);
                    fontChanged();
                }
            }
        } else {
            st_.font.setFamily(canvas_.font.family());
            if (baseSize > 0)
                st_.font.setPointSize(baseSize);
            else
                st_.font.setPixelSize(canvas_.font.pixelSize());
            fontChanged();
            if (drawColors) {
                st_.color = canvas_.fontColor;
                st_.brush = st_.brushBeforeFont;
            }
        }
        return TagEnd::None;

    case 'H':
        if (closing) {
            if (draw) {
                st_.color = st_.colorBeforeHi;
                st_.brush = st_.brushBeforeHi;
            }
            return TagEnd::None;
        }
        if (d == QLatin1Char('I')) {
            if (draw) {
                st_.colorBeforeHi = st_.color;
                st_.brushBeforeHi = st_.brush;
                st_.brush = clHighlight;
                st_.color = clHighlightText;
            }
        } else if (d == QLatin1Char('R')) {
            if (draw && painter_) {
                // One row below the first row under the line, to the area's right edge.
                const int y = box.top + m.height + m.supExt + 1;
                if (areaRight_ > box.left)
                    painter_->fillRect(QRect(box.left, y, areaRight_ - box.left, 1), QColor(0, 0, 0));
            }
            return TagEnd::After;
        }
        return TagEnd::None;

    case 'I':
        if (closing) {
            st_.font.setItalic(false);
            fontChanged();
        } else if (d == QLatin1Char('>')) {
            st_.font.setItalic(true);
            fontChanged();
        } else if (d == QLatin1Char('N')) {
            const int n = letterValue(QLatin1Char('X'));
            if (n > lineWidth_) {
                curX_ += n - lineWidth_;
                lineWidth_ = n;
            }
        } else if (d == QLatin1Char('M')) {
            return picture(tag, upper, box, pass);
        }
        return TagEnd::None;

    case 'L':
        if (closing)
            return TagEnd::After;
        if (liSeen_)
            return TagEnd::Before;
        liSeen_ = true;
        {
            const int indent = 12 * st_.listLevel;
            lineWidth_ += indent;
            curX_ += indent;
            if (draw && !st_.hidden && painter_) {
                const QString bullet = st_.listLevel % 2 == 1 ? QString(QChar(0x2022)) : QStringLiteral("o");
                painter_->setFont(st_.font);
                drawText(curX_ - 12, box.bottom - m.subExt - m.imgOffset - fm().descent(), bullet,
                         toQColor(st_.color));
            }
        }
        return TagEnd::None;

    case 'O':
        if (closing) {
            st_.ofOffset = 0;
        } else if (d == QLatin1Char('F')) {
            const int n = letterValue(QLatin1Char('X'));
            st_.ofOffset = n;
            if (pass != Pass::Measure)
                curX_ = n;
        }
        return TagEnd::None;

    case 'P':
        if (closing) {
            if (draw) {
                st_.brush = canvas_.brushColor;
                st_.paraBg = false;
            }
            return TagEnd::After;
        }
        {
            bool found = false;
            const QString align = attribute(upper, upper, u"ALIGN", &found);
            if (found) {
                if (align.startsWith(QLatin1String("RIGHT")))
                    st_.align = Align::Right;
                else if (align.startsWith(QLatin1String("LEFT")))
                    st_.align = Align::Left;
                else if (align.startsWith(QLatin1String("CENTER")))
                    st_.align = Align::Center;
            }
            attribute(upper, upper, u"INDENT", &found);
            if (found)
                st_.indent = number(u"INDENT");
            const QString bg = attribute(upper, upper, u"BGCOLOR", &found);
            if (found && draw && painter_) {
                bool hasTo = false;
                const QString to = attribute(upper, upper, u"BGCOLORTO", &hasTo);
                const QRect line(areaLeft_, box.top, areaRight_ - areaLeft_, box.bottom - box.top);
                if (hasTo) {
                    drawGradient(*painter_, line, parseColor(bg), parseColor(to), 64, false);
                } else {
                    st_.paraBg = true;
                    st_.paraBgColor = parseColor(bg);
                    const QColor col = toQColor(st_.paraBgColor);
                    if (col.isValid())
                        painter_->fillRect(line, col);
                }
            }
        }
        return TagEnd::None;

    case 'R':
        st_.rotation = closing ? 0 : letterValue(QLatin1Char('A'));
        return TagEnd::None;

    case 'S':
        if (closing) {
            if (d == QLatin1Char('H')) {
                st_.shadow = false;
            } else if (d == QLatin1Char('U')) {
                st_.sub = false;
                st_.sup = false;
            } else {
                st_.font.setStrikeOut(false);
                fontChanged();
            }
            return TagEnd::None;
        }
        if (d == QLatin1Char('>')) {
            st_.font.setStrikeOut(true);
            fontChanged();
        } else if (d == QLatin1Char('H')) {
            st_.shadow = true;
        } else if (upper.startsWith(QLatin1String("<SUB>"))) {
            st_.sub = true;
        } else if (upper.startsWith(QLatin1String("<SUP>"))) {
            st_.sup = true;
        }
        return TagEnd::None;

    case 'U':
        if (d == QLatin1Char('>')) {
            st_.font.setUnderline(!closing);
            fontChanged();
            return TagEnd::None;
        }
        if (!closing) {
            st_.listLevel++;
            return TagEnd::After;
        }
        if (st_.listLevel >= 1) {
            st_.listLevel--;
        } else {
            st_.font.setUnderline(false);
            fontChanged();
        }
        return TagEnd::None;

    case 'Z':
        st_.hidden = !closing;
        return TagEnd::None;

    default:
        return TagEnd::None;
    }
}

TagEnd Renderer::picture(const QString& tag, const QString& upper, const LineBox& box, Pass pass) {
    const QString src = attribute(upper, tag, u"SRC");
    QPixmap pic;
    int pw = 0;
    int ph = 0;
    const double scale = dpi_ / 96.0;
    if (src.startsWith(QLatin1String("IDX:"), Qt::CaseInsensitive)) {
        const int n = leadingNumber(QStringView(src).mid(4));
        if (opt_.images && n < opt_.images->count()) {
            pic = opt_.images->image(n);
            const double f = scale * (opt_.print ? opt_.resolution : 1.0);
            pw = qRound(opt_.images->width() * f);
            ph = qRound(opt_.images->height() * f);
        }
    } else if (!src.contains(QLatin1Char(':')) && opt_.pictures) {
        pic = opt_.pictures->find(src);
        pw = pic.width();
        ph = pic.height();
    }
    // Pictures by address and shell icons are not supported: no room taken.
    if (pic.isNull())
        return TagEnd::None;

    const int w = leadingNumber(attribute(upper, upper, u"WIDTH"));
    const int h = leadingNumber(attribute(upper, upper, u"HEIGHT"));
    if (w > 0 && h > 0) {
        pw = qRound(w * scale);
        ph = qRound(h * scale);
    }

    const int avail = box.right - box.left - st_.ofOffset;
    if (pass == Pass::Measure && !(avail > lineWidth_ + pw) && pw < avail && lineWidth_ > 0)
        return TagEnd::Before;

    if (pass == Pass::Draw && painter_)
        painter_->drawPixmap(QRect(curX_, box.top, pw, ph), pic);
    if (pass == Pass::Hit && st_.inLink && QRect(curX_, box.top, pw, ph).contains(opt_.point)) {
        pictureHit_ = true;
        candidateLink_ = st_.linkNumber;
        candidateText_ = st_.linkText;
        candidateRect_ = QRect(curX_, box.top, pw, ph);
    }
    curX_ += pw;
    lineWidth_ += pw;
    lineHeight_ = std::max(lineHeight_, ph);

    const QString align = attribute(upper, upper, u"ALIGN");
    const int gh = textHeight();
    if (align.startsWith(QLatin1String("TOP"))) {
        imgOffset_ = lineHeight_ - gh;
    } else if (align.startsWith(QLatin1String("MIDDLE"))) {
        imgOffset_ = (lineHeight_ - gh) / 2;
    } else if (align.startsWith(QLatin1String("WRAP"))) {
        lineHeight_ = gh;
        imgOffset_ = 0;
    }
    return TagEnd::None;
}

void Renderer::drawBody(const QString& tag, const QString& upper) {
    if (!painter_)
        return;
    const QRect area(areaLeft_, areaTop_, areaRight_ - areaLeft_, areaBottom_ - areaTop_);
    auto named = [&](QStringView name) -> QPixmap {
        bool found = false;
        const QString v = attribute(upper, tag, name, &found);
        if (!found || !opt_.pictures)
            return {};
        return opt_.pictures->find(v);
    };
    bool found = false;
    const QString bg = attribute(upper, upper, u"BGCOLOR", &found);
    if (found) {
        bool hasTo = false;
        const QString to = attribute(upper, upper, u"BGCOLORTO", &hasTo);
        const QRect fill(areaLeft_ - 2, areaTop_, areaRight_ - areaLeft_ + 2, areaBottom_ - areaTop_);
        if (hasTo) {
            bool hasDir = false;
            const QString dir = attribute(upper, upper, u"DIR", &hasDir);
            const bool horizontal = !hasDir || dir == QLatin1String("H");
            drawGradient(*painter_, fill, parseColor(bg), parseColor(to), 64, !horizontal);
        } else {
            const QColor c = toQColor(parseColor(bg));
            if (c.isValid())
                painter_->fillRect(fill, c);
        }
    }
    const QPixmap tile = named(u"BACKGROUND");
    if (!tile.isNull())
        painter_->drawTiledPixmap(area, tile);
    const QPixmap topLeft = named(u"BGTOPLEFT");
    if (!topLeft.isNull())
        painter_->drawPixmap(area.topLeft(), topLeft);
    const QPixmap topRight = named(u"BGTOPRIGHT");
    if (!topRight.isNull())
        painter_->drawPixmap(areaRight_ - topRight.width(), areaTop_, topRight);
}

} // namespace mz::markup
