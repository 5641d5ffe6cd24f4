#include "widgets/DrawMarkup.h"

#include "widgets/MarkupRenderer.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <optional>

namespace mz::markup {

Renderer::Renderer(const MarkupCanvas& canvas, const QRect& area, const MarkupOptions& options,
                   MarkupResult& out, bool ampersands)
    : canvas_(canvas), opt_(options), out_(out), ampersands_(ampersands), painter_(canvas.painter) {
    areaLeft_ = area.x();
    areaTop_ = area.y();
    areaRight_ = area.x() + area.width();
    areaBottom_ = area.y() + area.height();
    device_ = painter_ ? painter_->device() : canvas.device;
    if (device_)
        dpi_ = device_->logicalDpiY();
    else if (QGuiApplication::primaryScreen())
        dpi_ = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    st_.font = canvas.font;
    st_.color = canvas.fontColor;
    st_.brush = canvas.brushColor;
    st_.brushBeforeFont = st_.brushBeforeLink = st_.brushBeforeHi = canvas.brushColor;
}

const QFontMetrics& Renderer::fm() {
    if (fmDirty_ || !fm_) {
        if (device_)
            fm_.emplace(st_.font, const_cast<QPaintDevice*>(device_));
        else
            fm_.emplace(st_.font);
        fmDirty_ = false;
    }
    return *fm_;
}

int Renderer::textWidth(const QString& s) {
    if (!s.contains(QLatin1Char('\t')))
        return fm().horizontalAdvance(s);
    // Tabs stop every eight average characters from the start of the run.
    const int stop = std::max(1, 8 * fm().averageCharWidth());
    int x = 0;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= s.size(); ++i) {
        if (i == s.size() || s[i] == QLatin1Char('\t')) {
            x += fm().horizontalAdvance(s.mid(from, i - from));
            if (i < s.size())
                x = (x / stop + 1) * stop;
            from = i + 1;
        }
    }
    return x;
}

void Renderer::run(const QString& text) {
    int top = areaTop_;
    const int left = areaLeft_ + 1;
    const int right = areaRight_;
    int total = 0;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const int h0 = textHeight();
        const TextState before = st_;
        const QStringView rest = QStringView(text).mid(pos);
        const LineInfo m = buildLine(rest, LineBox{left, top, right, 0}, Pass::Measure, nullptr);
        const int lineHeight = m.height + opt_.lineSpacing;

        if (out_.width < m.width)
            out_.width = m.width + 2;

        int x = left;
        if (st_.align == Align::Right) {
            if (right - m.width > left)
                x = right - m.width;
        } else if (st_.align == Align::Center) {
            if (right - left - m.width > 0)
                x = left + (right - left - m.width) / 2;
        }
        x += st_.indent;
        const LineBox box{x, top, right, top + lineHeight + m.subExt + m.supExt};

        if (!opt_.measureOnly) {
            // The second pass starts from the state the first one started
            // with, link numbers included, and walks the same text.
            setState(before);
            buildLine(rest.left(m.consumed), box, opt_.hitTest ? Pass::Hit : Pass::Draw, &m);
        }

        if (m.consumed <= 0)
            break; // cannot happen: every line takes at least one run or tag
        pos += m.consumed;
        top += lineHeight + m.subExt + m.supExt;
        total += lineHeight + m.subExt + m.supExt;
        if (!opt_.measureOnly && top + h0 > areaBottom_)
            break;
    }
    out_.height = total == 0 ? textHeight() : total;
    out_.linkCount = st_.linkCounter;
}

LineInfo Renderer::buildLine(QStringView text, const LineBox& box, Pass pass, const LineInfo* measured) {
    LineInfo info;
    const LineInfo m = measured ? *measured : LineInfo{};
    lineHeight_ = textHeight();
    imgOffset_ = 0;
    curX_ = box.left + (pass == Pass::Measure ? 0 : st_.ofOffset);
    lineWidth_ = 0;
    liSeen_ = false;
    linkStartX_ = curX_;
    candidateLink_ = -1;
    candidateText_.clear();
    candidateRect_ = QRect();
    pictureHit_ = false;

    if (pass == Pass::Draw && st_.paraBg && painter_) {
        const QColor c = toQColor(st_.paraBgColor);
        if (c.isValid())
            painter_->fillRect(QRect(areaLeft_, box.top, areaRight_ - areaLeft_, box.bottom - box.top), c);
    }

    const int avail = box.right - box.left - st_.ofOffset;
    int trailing = 0;
    bool haveRuns = false;
    bool lastRunEndsBlank = false;
    qsizetype pos = 0;
    bool ended = false;

    while (pos < text.size() && !ended) {
        QStringView rest = text.mid(pos);
        const qsizetype lt = rest.indexOf(QLatin1Char('<'));
        const qsizetype sp = opt_.wordWrap ? rest.indexOf(QLatin1Char(' ')) : -1;
        qsizetype runLen;
        if (lt >= 0 && (sp < 0 || lt < sp))
            runLen = lt;
        else if (sp >= 0)
            runLen = sp + 1;
        else
            runLen = rest.size();

        if (runLen > 0) {
            const QString run = decodeRunEntities(rest.left(runLen));
            const int h = textHeight();
            if (st_.sub)
                info.subExt = std::max(info.subExt, h / 4);
            if (st_.sup)
                info.supExt = std::max(info.supExt, h / 4);
            lineHeight_ = std::max(lineHeight_, h);
            if (!st_.hidden) {
                const ShownText shown = applyPrefixes(run, ampersands_);
                const int w = textWidth(shown.text);
                if (pass == Pass::Measure) {
                    const int newWidth = lineWidth_ + w;
                    bool fits = avail > newWidth || avail <= w;
                    // The rest of a word split by a tag stays with its start.
                    if (!fits && haveRuns && !lastRunEndsBlank)
                        fits = true;
                    if (!fits && opt_.wordWrap)
                        break;
                } else if (pass == Pass::Draw) {
                    drawRun(shown, w, box, m);
                } else if (st_.inLink && opt_.point.x() >= curX_ && opt_.point.x() <= curX_ + w) {
                    if (candidateLink_ != st_.linkNumber)
                        candidateRect_ = QRect();
                    candidateLink_ = st_.linkNumber;
                    candidateText_ = st_.linkText;
                }
                lineWidth_ += w;
                curX_ += w;
                haveRuns = true;
                lastRunEndsBlank = shown.text.endsWith(QLatin1Char(' '));
                trailing = lastRunEndsBlank ? fm().horizontalAdvance(QLatin1Char(' ')) : 0;
            }
        }
        pos += runLen;

        rest = text.mid(pos);
        if (!rest.startsWith(QLatin1Char('<')))
            continue;
        if (rest.size() <= 2) {
            pos = text.size();
            break;
        }
        const qsizetype gt = rest.indexOf(QLatin1Char('>'));
        if (gt < 0) {
            pos = text.size();
            break;
        }
        const TagEnd end = gt + 1 >= 3 ? tag(rest.left(gt + 1), box, pass, measured) : TagEnd::None;
        if (end == TagEnd::Before && pass == Pass::Measure)
            break;
        pos += gt + 1;
        if (end != TagEnd::None)
            ended = true;
    }

    if (pass == Pass::Hit) {
        if (candidateLink_ >= 0 && st_.inLink && st_.linkNumber == candidateLink_ && candidateRect_.isNull())
            candidateRect_ = QRect(QPoint(linkStartX_, box.top), QPoint(curX_ - 1, box.bottom - 1));
        const int gh = textHeight();
        const int y = opt_.point.y();
        const int base = box.bottom - m.imgOffset;
        if (pictureHit_ || (candidateLink_ >= 0 && y > base - gh && y < base)) {
            out_.hit = true;
            out_.anchor = candidateText_;
            out_.hitLink = candidateLink_;
            out_.hitRect = candidateRect_;
        }
    }

    info.consumed = pos;
    info.width = lineWidth_ - trailing;
    info.height = lineHeight_;
    info.imgOffset = imgOffset_;
    return info;
}

void Renderer::drawRun(const ShownText& shown, int width, const LineBox& box, const LineInfo& m) {
    if (!painter_)
        return;
    int bottom = box.bottom - m.subExt;
    if (st_.sup)
        bottom -= m.supExt;
    if (st_.sub)
        bottom += m.subExt;
    bottom -= m.imgOffset;
    const int h = textHeight();
    const int baseline = bottom - fm().descent();

    QString text = shown.text;
    if (!opt_.wordWrap && curX_ + width > box.right)
        text = fm().elidedText(text, Qt::ElideRight, std::max(0, box.right - curX_));

    const QColor bg = toQColor(st_.brush);
    if (bg.isValid())
        painter_->fillRect(QRect(curX_, bottom - h, width, h), bg);

    painter_->setFont(st_.font);
    if (st_.shadow)
        drawText(curX_ + opt_.shadowOffset, baseline + opt_.shadowOffset, text, toQColor(opt_.shadowColor));
    const QColor fg = toQColor(st_.color);
    drawText(curX_, baseline, text, fg);

    if (fg.isValid() && !shown.underlined.isEmpty() && st_.rotation == 0) {
        const int y = baseline + std::max(1, fm().underlinePos());
        const int thick = std::max(1, fm().lineWidth());
        for (int i : shown.underlined) {
            if (i >= text.size())
                continue;
            const int x0 = curX_ + fm().horizontalAdvance(text.left(i));
            const int w = fm().horizontalAdvance(text[i]);
            painter_->fillRect(QRect(x0, y, w, thick), fg);
        }
    }

    if (st_.error) {
        // A red zigzag of two-pixel segments around the line's bottom row.
        const int yb = box.bottom - 1;
        painter_->save();
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setPen(QPen(QColor(255, 0, 0), 0));
        bool up = true;
        for (int x = curX_; x < curX_ + width; x += 2, up = !up)
            painter_->drawLine(x, up ? yb + 1 : yb - 1, x + 2, up ? yb - 1 : yb + 1);
        painter_->restore();
    }
}

void Renderer::drawText(int x, int baseline, const QString& s, const QColor& color) {
    if (!color.isValid())
        return;
    painter_->setPen(color);
    if (st_.rotation != 0) {
        painter_->save();
        painter_->translate(x, baseline);
        painter_->rotate(-st_.rotation);
        painter_->drawText(0, 0, s);
        painter_->restore();
        return;
    }
    if (!s.contains(QLatin1Char('\t'))) {
        painter_->drawText(x, baseline, s);
        return;
    }
    const int stop = std::max(1, 8 * fm().averageCharWidth());
    int dx = 0;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= s.size(); ++i) {
        if (i == s.size() || s[i] == QLatin1Char('\t')) {
            const QString part = s.mid(from, i - from);
            painter_->drawText(x + dx, baseline, part);
            dx += fm().horizontalAdvance(part);
            if (i < s.size())
                dx = (dx / stop + 1) * stop;
            from = i + 1;
        }
    }
}

void Renderer::closeLinkOnLine(const LineBox& box, Pass pass) {
    if (pass == Pass::Hit && candidateLink_ == st_.linkNumber && candidateRect_.isNull())
        candidateRect_ = QRect(QPoint(linkStartX_, box.top), QPoint(curX_ - 1, box.bottom - 1));
    if (pass == Pass::Draw && painter_ && st_.linkNumber == opt_.focusLink + 1) {
        painter_->save();
        QPen pen(toQColor(st_.color), 0, Qt::DotLine);
        painter_->setPen(pen);
        painter_->setBrush(Qt::NoBrush);
        painter_->drawRect(QRect(QPoint(linkStartX_, box.top), QPoint(curX_ - 1, box.bottom - 1)));
        painter_->restore();
    }
}

} // namespace mz::markup

namespace mz {

using namespace markup;

bool DrawMarkup(const MarkupCanvas& canvas, const QString& text, const QRect& area,
                const MarkupOptions& options, MarkupResult* result) {
    MarkupResult local;
    MarkupResult& out = result ? *result : local;
    out = MarkupResult{};
    const PreparedText prepared = prepareText(text);
    MarkupOptions opt = options;
    if (opt.hitTest)
        opt.measureOnly = false;
    QPainter* p = canvas.painter;
    const bool drawing = p && !opt.hitTest && !opt.measureOnly;
    if (drawing)
        p->save();
    Renderer renderer(canvas, area, opt, out, prepared.ampersands);
    renderer.run(prepared.text);
    if (drawing)
        p->restore();
    return opt.hitTest && out.hit;
}

} // namespace mz
