// The markup renderer's inner machinery, shared by the files that implement
// it: the text state carried from line to line, one line's measurements and
// the renderer that builds lines and interprets tags. Not for use outside the
// renderer; DrawMarkup.h is the interface.
#pragma once

#include "widgets/DrawMarkup.h"
#include "widgets/MarkupText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringView>

#include <optional>

namespace mz::markup {

enum class Pass { Measure, Draw, Hit };
enum class Align { Left, Right, Center };

// What a tag does to the line being built.
enum class TagEnd {
    None,   // the line goes on
    After,  // the tag is consumed and ends the line
    Before, // the line ends before the tag, which stays for the next line
};

// Text state that carries from line to line until a tag changes it.
struct TextState {
    QFont font;
    TColor color = clBlack;
    TColor brush = clNone;
    int linkCounter = 0;
    Align align = Align::Left;
    int indent = 0;
    int listLevel = 0;
    int ofOffset = 0;
    int rotation = 0;
    bool hidden = false;
    bool sub = false;
    bool sup = false;
    bool shadow = false;
    bool error = false;
    bool inLink = false;
    bool paraBg = false;
    TColor paraBgColor = clNone;
    int linkNumber = 0;
    QString linkText;
    TColor brushBeforeFont = clNone;
    TColor brushBeforeLink = clNone;
    TColor colorBeforeHi = clBlack;
    TColor brushBeforeHi = clNone;
};

// What measuring one line found out; the draw pass is given the same values.
struct LineInfo {
    qsizetype consumed = 0;
    int width = 0; // without the trailing blank
    int height = 0;
    int subExt = 0;
    int supExt = 0;
    int imgOffset = 0;
};

// The line's rectangle; right and bottom excluded.
struct LineBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Lays out one text: measures each line, then draws or hit-tests it.
class Renderer {
public:
    Renderer(const MarkupCanvas& canvas, const QRect& area, const MarkupOptions& options, MarkupResult& out,
             bool ampersands);

    void run(const QString& text);

private:
    const QFontMetrics& fm();
    int textHeight() { return fm().height(); }
    int textWidth(const QString& s);
    void setState(const TextState& s) {
        st_ = s;
        fmDirty_ = true;
    }
    void fontChanged() { fmDirty_ = true; }

    LineInfo buildLine(QStringView text, const LineBox& box, Pass pass, const LineInfo* measured);
    TagEnd tag(QStringView tag, const LineBox& box, Pass pass, const LineInfo* measured);
    TagEnd picture(const QString& tag, const QString& upper, const LineBox& box, Pass pass);
    void drawRun(const ShownText& shown, int width, const LineBox& box, const LineInfo& m);
    void drawText(int x, int baseline, const QString& s, const QColor& color);
    void drawBody(const QString& tag, const QString& upper);
    void closeLinkOnLine(const LineBox& box, Pass pass);

    const MarkupCanvas& canvas_;
    const MarkupOptions& opt_;
    MarkupResult& out_;
    const bool ampersands_;
    QPainter* painter_;
    const QPaintDevice* device_ = nullptr;
    int dpi_ = 96;
    int areaLeft_ = 0, areaTop_ = 0, areaRight_ = 0, areaBottom_ = 0;

    TextState st_;
    std::optional<QFontMetrics> fm_;
    bool fmDirty_ = true;

    // Per line.
    int curX_ = 0;
    int lineWidth_ = 0;
    int lineHeight_ = 0;
    int imgOffset_ = 0;
    bool liSeen_ = false;
    int linkStartX_ = 0;
    // Hit-testing within the line.
    int candidateLink_ = -1;
    QString candidateText_;
    QRect candidateRect_;
    bool pictureHit_ = false;
};

} // namespace mz::markup
