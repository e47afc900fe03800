#pragma once
// Dialog units as the Windows dialog manager turns them into pixels: a horizontal unit is a
// quarter of the template font's average character width, a vertical unit an eighth of its
// character height, each coordinate rounded to the nearest pixel on its own.
namespace korvath::qtwindows {

struct DialogBaseUnits {
    int charWidth = 0;   // average character width in pixels
    int charHeight = 0;  // character cell height in pixels
};

// The average width as the dialog manager measures it: the width of the 52 letters
// A-Z a-z, halved twice with rounding, so it comes out as a whole pixel.
constexpr int averageCharWidth(int widthOfAlphabet) { return (widthOfAlphabet / 26 + 1) / 2; }

// units * base / divisor rounded half away from zero, as MulDiv does.
constexpr int scaleRounded(int units, int base, int divisor) {
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : -((-product + half) / divisor));
}

constexpr int horizontalPixels(int units, const DialogBaseUnits& base) { return scaleRounded(units, base.charWidth, 4); }
constexpr int verticalPixels(int units, const DialogBaseUnits& base) { return scaleRounded(units, base.charHeight, 8); }

}  // namespace korvath::qtwindows
