#pragma once

#include <QImage>
#include <optional>

#include "model/draw_surface.h"

namespace tessellix {

// A drawing surface on an off-screen QImage (RGB32), with exact colours and no antialiasing.
class ImageSurface : public DrawSurface {
  public:
    ImageSurface(int width, int height);

    QImage& Image() { return image; }
    const QImage& Image() const { return image; }

    void SetBackgroundColour(Rgb colour) { background = colour; }
    // Every drawing after this touches only the pixels inside clip, as if the rest were drawn
    // and then put back; none for the whole image.
    void SetClip(const std::optional<PixelRect>& clip) { clipRect = clip; }

    PixelSize Size() const override;
    void FillRect(const PixelRect& rect, Rgb colour) override;
    void FrameRect(const PixelRect& rect, Rgb pen, Rgb brush) override;
    void Line(PixelPoint from, PixelPoint to, Rgb colour, int width) override;
    void CopyFrom(const DrawSurface& source, const PixelRect& sourceRect, PixelPoint dest) override;
    Rgb BackgroundColour() const override { return background; }
    void DrawTextLine(const PixelRect& rect, const std::string& text, const FontSpec& font,
                      Rgb colour, TextAlign align) override;
    void DrawTextWrapped(const PixelRect& rect, const std::string& text, const FontSpec& font,
                         Rgb colour) override;
    PixelSize MeasureText(const std::string& text, const FontSpec& font) const override;
    PixelSize MeasureWrappedText(const std::string& text, const FontSpec& font,
                                 int width) const override;

    // The Qt font that stands for a font of the original platform with the same cell height.
    static QFont ToQFont(const FontSpec& font);

  private:
    // The image's rectangle, within the clip when there is one.
    PixelRect Drawable() const;
    // A painter on the image, clipped like every other drawing.
    void Clip(QPainter& painter) const;

    QImage image;
    Rgb background{255, 255, 255};
    std::optional<PixelRect> clipRect;
};

}  // namespace tessellix
