#pragma once

#include <cstdint>
#include <string>

namespace tessellix {

// Pixel geometry and colours shared by the game model and the drawing surfaces.

// The picture that the play board and the editor each draw; a view may show it enlarged.
inline constexpr int kPictureWidth = 600;
inline constexpr int kPictureHeight = 400;

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Right and bottom edges excluded, as on the original platform.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A TrueType font chosen by face name; height is the cell height in pixels (ascent plus descent).
struct FontSpec {
    std::string face = "Arial";
    int height = 0;
    int weight = 400;
    bool italic = false;
};

// Where a line of text stands across its rectangle; it is always centred from top to bottom.
enum class TextAlign { Left, Centre, Right };

// What the game needs of a drawing surface. Coordinates follow the original platform:
// a rectangle covers left..right-1 and top..bottom-1, and a line leaves out its end point.
class DrawSurface {
  public:
    virtual ~DrawSurface() = default;

    virtual PixelSize Size() const = 0;

    // Fills left..right-1 x top..bottom-1 without any border.
    virtual void FillRect(const PixelRect& rect, Rgb colour) = 0;

    // A rectangle with a one-pixel border in pen and interior in brush: the border is the
    // outermost ring of the pixels left..right-1 x top..bottom-1.
    virtual void FrameRect(const PixelRect& rect, Rgb pen, Rgb brush) = 0;

    // A solid line of the given width from `from` up to, but not including, `to`.
    virtual void Line(PixelPoint from, PixelPoint to, Rgb colour, int width) = 0;

    // Copies sourceRect of another surface to dest on this one, pixels replaced exactly.
    virtual void CopyFrom(const DrawSurface& source, const PixelRect& sourceRect,
                          PixelPoint dest) = 0;

    // The colour that text areas are filled with before text is drawn on them.
    virtual Rgb BackgroundColour() const = 0;

    // UTF-8 text on a single line in rect, vertically centred, transparent, clipped to rect.
    virtual void DrawTextLine(const PixelRect& rect, const std::string& text, const FontSpec& font,
                              Rgb colour, TextAlign align) = 0;

    // UTF-8 text word-wrapped to rect's width, each line centred, the first line at rect's top.
    virtual void DrawTextWrapped(const PixelRect& rect, const std::string& text,
                                 const FontSpec& font, Rgb colour) = 0;

    // Extent of the text as one line in the font.
    virtual PixelSize MeasureText(const std::string& text, const FontSpec& font) const = 0;

    // Extent of the text as DrawTextWrapped lays it out in a rectangle `width` wide.
    virtual PixelSize MeasureWrappedText(const std::string& text, const FontSpec& font,
                                         int width) const = 0;
};

}  // namespace tessellix
