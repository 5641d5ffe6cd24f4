#include "platform/DesktopStyle.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

TEST(DesktopStyle, ColoursAreWrittenBlueGreenRed) {
    struct Case {
        std::uint32_t bgr;
        QColor rgb;
    };
    const Case cases[] = {
        {0xFF0000, QColor(0, 0, 255)},     {0x800000, QColor(0, 0, 128)},
        {0x800080, QColor(128, 0, 128)},   {0x3A89BA, QColor(0xBA, 0x89, 0x3A)},
        {0xFF000000 + 5, QColor(5, 0, 0)}, // a system colour's high byte is ignored
    };
    for (const Case& c : cases)
        EXPECT_EQ(mz::colorFromBgr(c.bgr), c.rgb) << std::hex << c.bgr;
}

TEST(DesktopStyle, FacesOfTheOtherDesktopBecomeTheDesktopsOwn) {
    EXPECT_EQ(mz::desktopFamily("MS Sans Serif"), "Sans Serif");
    EXPECT_EQ(mz::desktopFamily("tahoma"), "Sans Serif");
    EXPECT_EQ(mz::desktopFamily("Courier New"), "Monospace");
    EXPECT_EQ(mz::desktopFamily("DejaVu Serif"), "DejaVu Serif");

    const QFont tahoma = mz::desktopFont("Tahoma", 8);
    EXPECT_EQ(tahoma.pointSize(), 8);
    // The alias resolves to an installed face, not to a missing "Tahoma".
    const QFontInfo shown(tahoma);
    EXPECT_EQ(shown.family(), "DejaVu Sans");
    EXPECT_EQ(shown.pointSize(), 8);
}

} // namespace
