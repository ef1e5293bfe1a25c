#pragma once

// The drawing operations the profile graph and the printed page need, so that both
// are drawn by Qt-free code: the screen and the printer draw through QPainter,
// tests through a canvas that records every call.
//
// Coordinates are device pixels, origin top-left, y downwards. Texts are byte
// strings of Windows-1252 characters, like every stored text.

#include <cstdint>
#include <string>

struct Rgb {
    uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colours {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb green{0, 128, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb navy{0, 0, 128};
inline constexpr Rgb purple{128, 0, 128};
inline constexpr Rgb maroon{128, 0, 0};
}  // namespace colours

enum class PenStyle { solid, dash_dot };

class Canvas {
public:
    virtual ~Canvas() = default;

    // The rectangle from (left, top) to (right, bottom), right and bottom excluded,
    // filled with the background colour and no outline.
    virtual void fillBackground(int left, int top, int right, int bottom) = 0;
    // The same rectangle outlined with the pen and filled with the background colour.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;

    virtual void moveTo(int x, int y) = 0;
    // A line with the pen from the current point; (x, y) becomes the current point.
    virtual void lineTo(int x, int y) = 0;

    // Text in the current font, its top-left corner at (x, y).
    virtual void textOut(int x, int y, const std::string& text) = 0;
    virtual int textHeight(const std::string& text) = 0;
    // How far the text reaches right of its x.
    virtual int textWidth(const std::string& text) = 0;

    virtual void setPenColour(Rgb colour) = 0;
    virtual void setPenWidth(int pixels) = 0;
    virtual void setPenStyle(PenStyle style) = 0;

    virtual void setFontFace(const std::string& face) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setFontBold(bool bold) = 0;
};
