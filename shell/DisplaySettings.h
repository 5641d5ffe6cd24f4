// What the settings record means for the display: the decisions of applying
// the settings that do not touch a widget, and the arithmetic of the options
// window's interval boxes.
//
// DisplaySettingsFor turns a TPrmApp into the values the form sets: the
// source, the timer interval, the line width, the window position, the
// colour scheme, the icon, auto-hide and the display time. Placement and
// style are given as TPlacementChoice and TStyleChoice, whose values equal
// those of the alert window's TWindowPosition and TFadeAlertWindowStyle, so
// the form converts them with a cast.
//
// A colour scheme is applied in order: Style first when it is set (a
// predefined style sets all of the window's colours), then every colour that
// is set. A code without a scheme sets nothing, leaving the window as it is.
// Colours are 0xBBGGRR, blue in the high byte.
//
// The interval is edited as hours (0 to 23) and minutes (0 to 59) but
// stored in 16 bits, at most 65,535 seconds. An interval longer than the
// field holds is limited to kMaxSegundos, 18 hours 12 minutes, the longest
// interval of whole minutes it holds, and the form is told so that it can
// show the limited value; it never wraps into a shorter interval.
//
// Plain values and functions without state; any thread.
#pragma once

#include "scripture/uPrmApp.h"
#include "shell/PassageSource.h"

#include <cstdint>
#include <optional>

namespace mz {

// Values equal to TWindowPosition's.
enum class TPlacementChoice {
    LeftTop = 0,
    RightTop = 1,
    LeftBottom = 2,
    RightBottom = 3,
    Preset = 4,
    Center = 5
};

// Values equal to TFadeAlertWindowStyle's; only the seven predefined styles
// of the settings occur here.
enum class TStyleChoice {
    Office2003Blue = 0,
    Office2003Silver = 1,
    Office2003Olive = 2,
    Office2003Classic = 3,
    Office2007Luna = 4,
    Office2007Obsidian = 5,
    Office2007Silver = 9,
};

using TColorValue = std::uint32_t; // 0xBBGGRR

struct TSchemeColours {
    std::optional<TColorValue> BorderColor;
    std::optional<TColorValue> BtnDownColor, BtnDownColorTo;
    std::optional<TColorValue> BtnHoverColor, BtnHoverColorTo;
    std::optional<TColorValue> CaptionColor, CaptionColorTo;
    std::optional<TColorValue> WindowColor, WindowColorTo;

    bool operator==(const TSchemeColours&) const = default;
};

struct TColourScheme {
    std::optional<TStyleChoice> Style; // set first, when present
    TSchemeColours Colours;            // then each colour present

    bool operator==(const TColourScheme&) const = default;
};

struct TDisplaySettings {
    TSourceChoice Source;
    int TimerIntervalMs = 0; // 0: the timer never fires
    int LineWidth = 0;
    TPlacementChoice Placement = TPlacementChoice::RightBottom;
    // The window goes where the user last left it (Placement is Preset).
    bool LoadPosition = false;
    TColourScheme Scheme;
    int ImageIndex = 0;
    bool AutoHide = true;
    int DisplayTimeMs = 0;
};

// Position codes 0 to 5; any other code places the window at the lower right.
TPlacementChoice PlacementFor(std::uint8_t posicion);
// Style codes 0 to 9; any other code gives an empty scheme.
TColourScheme SchemeFor(std::uint8_t estilo);
TDisplaySettings DisplaySettingsFor(const TPrmApp& prm);

inline constexpr std::uint16_t kMaxSegundos = 18 * 3600 + 12 * 60;

struct THoursMinutes {
    int Hours = 0;
    int Minutes = 0;

    bool operator==(const THoursMinutes&) const = default;
};

// The boxes for a stored interval: whole hours, then the remaining seconds
// as the nearest whole minute (a half rounds up), carried into the hours
// when it comes to 60.
THoursMinutes HoursMinutesOf(std::uint16_t segundos);

struct TSegundosChoice {
    std::uint16_t Segundos = 0;
    // The interval picked was longer than the field holds and was limited.
    bool Limited = false;
};

// The stored interval for the boxes' hours and minutes; negative values
// count as 0.
TSegundosChoice SegundosOf(int hours, int minutes);

} // namespace mz
