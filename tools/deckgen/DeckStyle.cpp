#include "tools/deckgen/DeckStyle.h"

const CardPalette& DeckStyle::paletteOf(int card) const {
    if (card < 22) return major;
    if (card >= 78) return extra;
    return suits[(card - 22) / 14];
}

namespace {

CardPalette Light(const char* border, const char* top, const char* bottom, const char* accent,
                  const char* text, Ink emblem) {
    return {QColor(border), QColor(top),    QColor(bottom),    QColor(accent),
            QColor(text),   QColor(border), QColor("#fffaf0"), emblem};
}

}  // namespace

const DeckStyle& ArdentineStyle() {
    static const DeckStyle style = [] {
        DeckStyle s;
        s.name = "Ardentine";
        s.frame = FrameShape::Rounded;
        s.major =
            Light("#2e1a4a", "#f8f1e1", "#e6d6b3", "#c79a32", "#f7ecd0",
                  {QColor("#6a3d9a"), QColor("#2e1a4a"), QColor("#f3d77a"), QColor("#1d1030")});
        s.suits[0] =
            Light("#6e1f0c", "#fdf0dc", "#f3cfa3", "#c98a2c", "#fbe9cf",
                  {QColor("#c8551c"), QColor("#6e2a0c"), QColor("#7fae4a"), QColor("#3a1506")});
        s.suits[1] =
            Light("#0f2f57", "#eaf3fa", "#c6dbee", "#b9973e", "#e6f0fa",
                  {QColor("#2a78bf"), QColor("#0f365f"), QColor("#f1d27a"), QColor("#0a1e36")});
        s.suits[2] =
            Light("#4a3f0c", "#fcf8e0", "#eddf9c", "#a8842a", "#fbf3cf",
                  {QColor("#b58a2a"), QColor("#4a3a12"), QColor("#e3e9ef"), QColor("#262012")});
        s.suits[3] =
            Light("#1c4a24", "#edf6e4", "#cde3bc", "#b8963a", "#e9f5df",
                  {QColor("#d9ad33"), QColor("#1f5a2a"), QColor("#f7e7a6"), QColor("#15301a")});
        s.extra = s.major;
        return s;
    }();
    return style;
}

const DeckStyle& VelmarStyle() {
    static const DeckStyle style = [] {
        DeckStyle s;
        s.name = "Velmar Dav Izove";
        s.frame = FrameShape::Notched;
        const auto night = [](const char* top, const char* bottom, const char* accent, Ink emblem) {
            return CardPalette{QColor("#08080f"), QColor(top),       QColor(bottom), QColor(accent),
                               QColor(accent),    QColor("#08080f"), emblem.light,   emblem};
        };
        s.major =
            night("#25255a", "#0d0d26", "#e6c35c",
                  {QColor("#3c3c8c"), QColor("#14143a"), QColor("#f2d98a"), QColor("#e6c35c")});
        s.suits[0] =
            night("#4e1410", "#1e0605", "#ff9a4a",
                  {QColor("#e0672a"), QColor("#5a1a0a"), QColor("#ffd08a"), QColor("#ffb070")});
        s.suits[1] =
            night("#0c3a4e", "#04161f", "#6fd8ea",
                  {QColor("#2f9fbf"), QColor("#07303f"), QColor("#bdf3fb"), QColor("#8ae6f5")});
        s.suits[2] =
            night("#34344a", "#121218", "#c9b3ff",
                  {QColor("#8a6fd6"), QColor("#2a2046"), QColor("#e9eef5"), QColor("#d6c8ff")});
        s.suits[3] =
            night("#1d3d20", "#08160a", "#f0c64a",
                  {QColor("#d8a92e"), QColor("#1f3f14"), QColor("#fbe7a0"), QColor("#f7d57a")});
        s.extra =
            night("#3e1450", "#12061a", "#ffffff",
                  {QColor("#b06ad8"), QColor("#2a0e3a"), QColor("#fff4d6"), QColor("#f5e6ff")});
        return s;
    }();
    return style;
}
