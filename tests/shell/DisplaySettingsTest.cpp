#include "shell/DisplaySettings.h"
#include "tests/shell/ShellFixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using mz::TColourScheme;
using mz::TFuente;
using mz::TPlacementChoice;
using mz::TSourceButtons;
using mz::TSourceChoice;
using mz::TStyleChoice;
using mz::test::cp;

TEST(SourceSetting, EachKeySelectsItsButtonAndAnythingElseIsABook) {
    struct Case {
        std::string value;
        TSourceChoice choice;
    };
    const Case cases[] = {
        {"Biblia", {TFuente::Biblia, {}}},
        {"AT", {TFuente::AT, {}}},
        {"NT", {TFuente::NT, {}}},
        {"Promesas", {TFuente::Promesas, {}}},
        {"Temas", {TFuente::Temas, {}}},
        {"Contextos", {TFuente::Contextos, {}}},
        {"Jovenes", {TFuente::Jovenes, {}}},
        {"Matrimonios", {TFuente::Matrimonios, {}}},
        {"Historias", {TFuente::Historias, {}}},
        {"Favoritos", {TFuente::Favoritos, {}}},
        {cp("Génesis"), {TFuente::Libro, cp("Génesis")}},
        {"Proverbios", {TFuente::Libro, "Proverbios"}},
        // Keys compare exactly.
        {"biblia", {TFuente::Libro, "biblia"}},
        {"Biblia ", {TFuente::Libro, "Biblia "}},
        {cp("Jóvenes"), {TFuente::Libro, cp("Jóvenes")}},
        {"", {TFuente::Libro, ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mz::SourceFromSetting(c.value), c.choice) << c.value;
        // "Aceptar" stores what selected the button.
        EXPECT_EQ(mz::AcceptedSetting(TSourceButtons::Of(c.choice)), c.value);
        EXPECT_EQ(mz::TickSource(TSourceButtons::Of(c.choice)), c.choice);
    }
}

TEST(SourceSetting, TheTickAndAceptarTestTheButtonsInTheirOwnOrder) {
    TSourceButtons b;
    b.LibroCaption = "Salmos";
    // None checked: both take the book.
    EXPECT_EQ(mz::TickSource(b), (TSourceChoice{TFuente::Libro, "Salmos"}));
    EXPECT_EQ(mz::AcceptedSetting(b), "Salmos");
    // The tick tests the catalogues first, "Aceptar" the Bible first.
    b[TFuente::Biblia] = true;
    b[TFuente::Historias] = true;
    EXPECT_EQ(mz::TickSource(b).Fuente, TFuente::Historias);
    EXPECT_EQ(mz::AcceptedSetting(b), "Biblia");
    b[TFuente::Biblia] = false;
    b[TFuente::Favoritos] = true;
    EXPECT_EQ(mz::TickSource(b).Fuente, TFuente::Historias);
    EXPECT_EQ(mz::AcceptedSetting(b), "Historias");
}

TEST(Placement, EachPositionCode) {
    struct Case {
        int code;
        TPlacementChoice placement;
    };
    const Case cases[] = {
        {0, TPlacementChoice::Preset},      {1, TPlacementChoice::RightBottom},
        {2, TPlacementChoice::LeftBottom},  {3, TPlacementChoice::RightTop},
        {4, TPlacementChoice::LeftTop},     {5, TPlacementChoice::Center},
        {6, TPlacementChoice::RightBottom}, {255, TPlacementChoice::RightBottom},
    };
    for (const Case& c : cases) {
        mz::TPrmApp prm;
        prm.Posicion = static_cast<std::uint8_t>(c.code);
        const mz::TDisplaySettings d = mz::DisplaySettingsFor(prm);
        EXPECT_EQ(d.Placement, c.placement) << c.code;
        // Only "Usuario determina" goes back to the saved position.
        EXPECT_EQ(d.LoadPosition, c.code == 0) << c.code;
    }
    // The values are those of the alert window's positions.
    EXPECT_EQ(static_cast<int>(TPlacementChoice::LeftTop), 0);
    EXPECT_EQ(static_cast<int>(TPlacementChoice::RightBottom), 3);
    EXPECT_EQ(static_cast<int>(TPlacementChoice::Preset), 4);
    EXPECT_EQ(static_cast<int>(TPlacementChoice::Center), 5);
}

TEST(Scheme, EachStyleCode) {
    const auto style = [](TStyleChoice s) {
        TColourScheme c;
        c.Style = s;
        return c;
    };
    const auto nine = [](mz::TColorValue border, mz::TColorValue down, mz::TColorValue downTo,
                         mz::TColorValue hover, mz::TColorValue hoverTo, mz::TColorValue caption,
                         mz::TColorValue captionTo, mz::TColorValue window, mz::TColorValue windowTo) {
        TColourScheme c;
        c.Colours = {border, down, downTo, hover, hoverTo, caption, captionTo, window, windowTo};
        return c;
    };
    TColourScheme blue = style(TStyleChoice::Office2003Blue);
    blue.Colours.BtnDownColor = 11899525;
    blue.Colours.BtnDownColorTo = 13019808;
    blue.Colours.BtnHoverColor = 14470600;
    blue.Colours.BtnHoverColorTo = 13811126;

    struct Case {
        int code;
        TColourScheme scheme;
    };
    // Colours as the decimal values of the settings' colour table.
    const Case cases[] = {
        {0, blue},
        {1, style(TStyleChoice::Office2003Silver)},
        {2, style(TStyleChoice::Office2003Olive)},
        {3, style(TStyleChoice::Office2003Classic)},
        {4, style(TStyleChoice::Office2007Luna)},
        {5, style(TStyleChoice::Office2007Obsidian)},
        {6, style(TStyleChoice::Office2007Silver)},
        {7, nine(8421504, 14869218, 12632256, 14869218, 14869218, 11060724, 280500, 16777215, 14869218)},
        {8, nine(8421504, 14869218, 12632256, 14869218, 14869218, 15845017, 9716517, 16777215, 14869218)},
        {9, nine(11295231, 11899525, 13019808, 14470600, 13811126, 15720447, 12615935, 16116735, 14465535)},
        {10, TColourScheme{}},
        {255, TColourScheme{}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mz::SchemeFor(static_cast<std::uint8_t>(c.code)), c.scheme) << c.code;
    // Code 6 is the style enumeration's tenth value, not asWindowsXP (6).
    EXPECT_EQ(static_cast<int>(*mz::SchemeFor(6).Style), 9);
    EXPECT_EQ(static_cast<int>(*mz::SchemeFor(3).Style), 3);
}

TEST(DisplaySettings, TimesWidthIconAndAutoHide) {
    mz::TPrmApp prm;
    prm.FuenteVersos = "Temas";
    prm.Segundos = 65535;
    prm.Amplitud = 75;
    prm.Icono = 6;
    prm.AutoHide = false;
    prm.Desplegado = 60;
    const mz::TDisplaySettings d = mz::DisplaySettingsFor(prm);
    EXPECT_EQ(d.Source, (TSourceChoice{TFuente::Temas, {}}));
    EXPECT_EQ(d.TimerIntervalMs, 65535000);
    EXPECT_EQ(d.LineWidth, 75);
    EXPECT_EQ(d.ImageIndex, 6);
    EXPECT_FALSE(d.AutoHide);
    EXPECT_EQ(d.DisplayTimeMs, 60000);

    prm.Segundos = 0;
    prm.AutoHide = true;
    EXPECT_EQ(mz::DisplaySettingsFor(prm).TimerIntervalMs, 0);
    EXPECT_TRUE(mz::DisplaySettingsFor(prm).AutoHide);
}

TEST(Interval, StoredSecondsShowAsHoursAndMinutes) {
    struct Case {
        int segundos, hours, minutes;
    };
    const Case cases[] = {
        {900, 0, 15},    {5400, 1, 30},   {0, 0, 0},
        {60, 0, 1},      {89, 0, 1},      {90, 0, 2}, // the nearest minute, a half rounding up
        {3599, 1, 0},                                 // 59.98 minutes carry into the hour
        {65520, 18, 12}, {65535, 18, 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mz::HoursMinutesOf(static_cast<std::uint16_t>(c.segundos)),
                  (mz::THoursMinutes{c.hours, c.minutes}))
            << c.segundos;
}

TEST(Interval, HoursAndMinutesAreStoredWithoutWrapping) {
    struct Case {
        int hours, minutes, segundos;
        bool limited;
    };
    const Case cases[] = {
        {0, 15, 900, false},    {1, 30, 5400, false}, {0, 0, 0, false},
        {18, 12, 65520, false}, // the longest interval the field holds in whole minutes
        {18, 13, 65520, true},  // would be 65,580: limited, never 44 seconds
        {23, 59, 65520, true},  // 86,340 seconds
        {-1, -5, 0, false},
    };
    for (const Case& c : cases) {
        const mz::TSegundosChoice s = mz::SegundosOf(c.hours, c.minutes);
        EXPECT_EQ(s.Segundos, c.segundos) << c.hours << ":" << c.minutes;
        EXPECT_EQ(s.Limited, c.limited) << c.hours << ":" << c.minutes;
        // What is stored shows again as the boxes' values, unless limited.
        if (!s.Limited && c.hours >= 0) {
            EXPECT_EQ(mz::HoursMinutesOf(s.Segundos), (mz::THoursMinutes{c.hours, c.minutes}));
        }
    }
    EXPECT_EQ(mz::HoursMinutesOf(mz::kMaxSegundos), (mz::THoursMinutes{18, 12}));
}

} // namespace
