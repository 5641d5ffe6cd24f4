#include "shell/DisplaySettings.h"

#include <algorithm>

namespace mz {

TPlacementChoice PlacementFor(std::uint8_t posicion) {
    switch (posicion) {
    case 0:
        return TPlacementChoice::Preset;
    case 2:
        return TPlacementChoice::LeftBottom;
    case 3:
        return TPlacementChoice::RightTop;
    case 4:
        return TPlacementChoice::LeftTop;
    case 5:
        return TPlacementChoice::Center;
    default:
        return TPlacementChoice::RightBottom;
    }
}

namespace {

TColourScheme Nine(TColorValue border, TColorValue down, TColorValue downTo, TColorValue hover,
                   TColorValue hoverTo, TColorValue caption, TColorValue captionTo, TColorValue window,
                   TColorValue windowTo) {
    TColourScheme s;
    s.Colours = {border, down, downTo, hover, hoverTo, caption, captionTo, window, windowTo};
    return s;
}

} // namespace

TColourScheme SchemeFor(std::uint8_t estilo) {
    TColourScheme s;
    switch (estilo) {
    case 0:
        s.Style = TStyleChoice::Office2003Blue;
        // The blue style's own buttons are overridden with softer ones.
        s.Colours.BtnDownColor = 0xB59285;
        s.Colours.BtnDownColorTo = 0xC6AAA0;
        s.Colours.BtnHoverColor = 0xDCCDC8;
        s.Colours.BtnHoverColorTo = 0xD2BDB6;
        return s;
    case 1:
        s.Style = TStyleChoice::Office2003Silver;
        return s;
    case 2:
        s.Style = TStyleChoice::Office2003Olive;
        return s;
    case 3:
        s.Style = TStyleChoice::Office2003Classic;
        return s;
    case 4:
        s.Style = TStyleChoice::Office2007Luna;
        return s;
    case 5:
        s.Style = TStyleChoice::Office2007Obsidian;
        return s;
    case 6:
        // The style enumeration's tenth value: code 6 is not its seventh.
        s.Style = TStyleChoice::Office2007Silver;
        return s;
    // Codes 7 to 9 keep the current style and set nine colours.
    case 7: // "Zune Theme"
        return Nine(0x808080, 0xE2E2E2, 0xC0C0C0, 0xE2E2E2, 0xE2E2E2, 0xA8C5F4, 0x0447B4, 0xFFFFFF, 0xE2E2E2);
    case 8: // "Royale Theme"
        return Nine(0x808080, 0xE2E2E2, 0xC0C0C0, 0xE2E2E2, 0xE2E2E2, 0xF1C699, 0x944325, 0xFFFFFF, 0xE2E2E2);
    case 9: // "Solo para ellas"
        return Nine(0xAC59FF, 0xB59285, 0xC6AAA0, 0xDCCDC8, 0xD2BDB6, 0xEFDFFF, 0xC080FF, 0xF5EBFF, 0xDCB9FF);
    default:
        return s;
    }
}

TDisplaySettings DisplaySettingsFor(const TPrmApp& prm) {
    TDisplaySettings d;
    d.Source = SourceFromSetting(prm.FuenteVersos);
    d.TimerIntervalMs = prm.Segundos * 1000;
    d.Placement = PlacementFor(prm.Posicion);
    d.LoadPosition = d.Placement == TPlacementChoice::Preset;
    d.LineWidth = prm.Amplitud;
    d.Scheme = SchemeFor(prm.Estilo);
    d.ImageIndex = prm.Icono;
    d.AutoHide = prm.AutoHide;
    d.DisplayTimeMs = prm.Desplegado * 1000;
    return d;
}

THoursMinutes HoursMinutesOf(std::uint16_t segundos) {
    THoursMinutes hm{segundos / 3600, (segundos % 3600 + 30) / 60};
    // 3,570 seconds and more past the hour round to the next hour.
    if (hm.Minutes == 60) {
        ++hm.Hours;
        hm.Minutes = 0;
    }
    return hm;
}

TSegundosChoice SegundosOf(int hours, int minutes) {
    const long total = std::max(hours, 0) * 3600L + std::max(minutes, 0) * 60L;
    if (total > kMaxSegundos)
        return {kMaxSegundos, true};
    return {static_cast<std::uint16_t>(total), false};
}

} // namespace mz
