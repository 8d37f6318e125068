#include "platform/image_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace tessellix {

namespace {

QRgb ToQRgb(Rgb colour) {
    return qRgb(colour.red, colour.green, colour.blue);
}

QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// Em size over cell height of Liberation Sans and Arial (2048 units per em, 1854 + 434 tall):
// the original platform sizes fonts by their cell, Qt by their em.
constexpr int kUnitsPerEm = 2048;
constexpr int kCellUnits = 1854 + 434;

constexpr int kWrappedText = Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop;

}  // namespace

ImageSurface::ImageSurface(int width, int height) : image(width, height, QImage::Format_RGB32) {
    image.fill(Qt::black);
}

PixelSize ImageSurface::Size() const {
    return {image.width(), image.height()};
}

PixelRect ImageSurface::Drawable() const {
    PixelRect drawable{0, 0, image.width(), image.height()};
    if (clipRect) {
        drawable = {std::max(drawable.left, clipRect->left), std::max(drawable.top, clipRect->top),
                    std::min(drawable.right, clipRect->right),
                    std::min(drawable.bottom, clipRect->bottom)};
    }
    return drawable;
}

void ImageSurface::Clip(QPainter& painter) const {
    const PixelRect drawable = Drawable();
    painter.setClipRect(QRect(drawable.left, drawable.top, std::max(drawable.Width(), 0),
                              std::max(drawable.Height(), 0)));
}

void ImageSurface::FillRect(const PixelRect& rect, Rgb colour) {
    const PixelRect drawable = Drawable();
    const int left = std::max(rect.left, drawable.left);
    const int top = std::max(rect.top, drawable.top);
    const int right = std::min(rect.right, drawable.right);
    const int bottom = std::min(rect.bottom, drawable.bottom);
    if (left >= right || top >= bottom) {
        return;
    }
    const QRgb value = ToQRgb(colour);
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + left, line + right, value);
    }
}

void ImageSurface::FrameRect(const PixelRect& rect, Rgb pen, Rgb brush) {
    FillRect(rect, pen);
    FillRect({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, brush);
}

void ImageSurface::Line(PixelPoint from, PixelPoint to, Rgb colour, int width) {
    if (width <= 1 && (from.x == to.x || from.y == to.y)) {
        // Axis-parallel hairlines are filled directly: start included, end excluded.
        if (from.y == to.y) {
            const int step = to.x >= from.x ? 1 : -1;
            const int last = to.x - step;
            FillRect({std::min(from.x, last), from.y, std::max(from.x, last) + 1, from.y + 1},
                     colour);
        } else {
            const int step = to.y >= from.y ? 1 : -1;
            const int last = to.y - step;
            FillRect({from.x, std::min(from.y, last), from.x + 1, std::max(from.y, last) + 1},
                     colour);
        }
        return;
    }
    QPainter painter(&image);
    Clip(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen qpen(ToQColor(colour));
    if (width <= 1) {
        qpen.setWidth(0);
        qpen.setCapStyle(Qt::FlatCap);
    } else {
        // Wide pens of the original platform have round ends.
        qpen.setWidth(width);
        qpen.setCapStyle(Qt::RoundCap);
        qpen.setJoinStyle(Qt::RoundJoin);
    }
    painter.setPen(qpen);
    painter.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void ImageSurface::CopyFrom(const DrawSurface& source, const PixelRect& sourceRect,
                            PixelPoint dest) {
    const auto& from = dynamic_cast<const ImageSurface&>(source).image;
    PixelRect src = sourceRect;
    // Clip against the source, then against this image, moving the other side along.
    int dx = dest.x;
    int dy = dest.y;
    // The clip, taken back into the source, cuts it like the image's edges.
    const PixelRect drawable = Drawable();
    src.left = std::max(src.left, src.left + drawable.left - dx);
    src.top = std::max(src.top, src.top + drawable.top - dy);
    src.right = std::min(src.right, sourceRect.left + drawable.right - dest.x);
    src.bottom = std::min(src.bottom, sourceRect.top + drawable.bottom - dest.y);
    dx += src.left - sourceRect.left;
    dy += src.top - sourceRect.top;
    if (src.left < 0) {
        dx -= src.left;
        src.left = 0;
    }
    if (src.top < 0) {
        dy -= src.top;
        src.top = 0;
    }
    src.right = std::min(src.right, from.width());
    src.bottom = std::min(src.bottom, from.height());
    if (dx < 0) {
        src.left -= dx;
        dx = 0;
    }
    if (dy < 0) {
        src.top -= dy;
        dy = 0;
    }
    src.right = std::min(src.right, src.left + image.width() - dx);
    src.bottom = std::min(src.bottom, src.top + image.height() - dy);
    if (src.IsEmpty()) {
        return;
    }
    const QImage copy = &from == &image ? from.copy() : QImage();
    const QImage& pixels = copy.isNull() ? from : copy;
    const auto bytes = static_cast<std::size_t>(src.Width()) * sizeof(QRgb);
    for (int row = 0; row < src.Height(); ++row) {
        const auto* in = reinterpret_cast<const QRgb*>(pixels.constScanLine(src.top + row));
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(dy + row));
        std::memcpy(out + dx, in + src.left, bytes);
    }
}

QFont ImageSurface::ToQFont(const FontSpec& font) {
    QFont qfont(QString::fromStdString(font.face));
    qfont.setPixelSize(std::max(1, (font.height * kUnitsPerEm + kCellUnits / 2) / kCellUnits));
    qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
    qfont.setItalic(font.italic);
    qfont.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    qfont.setKerning(false);
    return qfont;
}

void ImageSurface::DrawTextLine(const PixelRect& rect, const std::string& text,
                                const FontSpec& font, Rgb colour, TextAlign align) {
    const Qt::Alignment across = align == TextAlign::Left    ? Qt::AlignLeft
                                 : align == TextAlign::Right ? Qt::AlignRight
                                                             : Qt::AlignHCenter;
    QPainter painter(&image);
    painter.setFont(ToQFont(font));
    painter.setPen(ToQColor(colour));
    Clip(painter);
    painter.setClipRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), Qt::IntersectClip);
    painter.drawText(QRect(rect.left, rect.top, rect.Width(), rect.Height()),
                     across | Qt::AlignVCenter | Qt::TextSingleLine, QString::fromStdString(text));
}

void ImageSurface::DrawTextWrapped(const PixelRect& rect, const std::string& text,
                                   const FontSpec& font, Rgb colour) {
    QPainter painter(&image);
    painter.setFont(ToQFont(font));
    painter.setPen(ToQColor(colour));
    Clip(painter);
    painter.setClipRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), Qt::IntersectClip);
    painter.drawText(QRect(rect.left, rect.top, rect.Width(), rect.Height()), kWrappedText,
                     QString::fromStdString(text));
}

PixelSize ImageSurface::MeasureText(const std::string& text, const FontSpec& font) const {
    const QFontMetrics metrics(ToQFont(font));
    const QSize size = metrics.size(Qt::TextSingleLine, QString::fromStdString(text));
    return {size.width(), size.height()};
}

PixelSize ImageSurface::MeasureWrappedText(const std::string& text, const FontSpec& font,
                                           int width) const {
    // Tall enough for any text that the game wraps.
    constexpr int kUnbounded = 1 << 20;
    const QFontMetrics metrics(ToQFont(font));
    const QRect bounds = metrics.boundingRect(QRect(0, 0, std::max(width, 0), kUnbounded),
                                              kWrappedText, QString::fromStdString(text));
    return {bounds.width(), bounds.height()};
}

}  // namespace tessellix
