// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImageWriter>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <vector>

#include "art.h"

namespace art {

QColor mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor shade(const QColor& c, double factor) {
    auto f = [factor](int v) { return std::clamp(static_cast<int>(v * factor + 0.5), 0, 255); };
    return QColor(f(c.red()), f(c.green()), f(c.blue()), c.alpha());
}

QColor withAlpha(const QColor& c, int alpha) {
    QColor r = c;
    r.setAlpha(alpha);
    return r;
}

QFont sansFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont serifFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath centredText(const QString& text, const QFont& font, QPointF centre, double xStretch) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    QTransform stretch;
    stretch.scale(xStretch, 1.0);
    path = stretch.map(path);
    const QRectF box = path.boundingRect();
    return path.translated(centre - box.center());
}

QPainterPath fittedText(const QString& text, const QFont& font, QPointF centre, double maxWidth) {
    auto outline = [&text](const QFont& f) {
        QPainterPath path;
        path.addText(0, 0, f, text);
        return path;
    };
    QPainterPath path = outline(font);
    if (path.boundingRect().width() > maxWidth && font.letterSpacing() > 0) {
        QFont tight = font;
        tight.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        path = outline(tight);
    }
    // Narrowed to no less than 85 per cent, then shrunk as a whole.
    const double width = path.boundingRect().width();
    const double fit = width > maxWidth ? maxWidth / width : 1.0;
    const double narrow = std::max(fit, 0.85);
    const double shrink = fit / narrow;
    QTransform t;
    t.scale(narrow * shrink, shrink);
    path = t.map(path);
    // Centred on the capitals, so that accents above them do not push a line down.
    QPainterPath capital;
    capital.addText(0, 0, font, QStringLiteral("H"));
    const double capHeight = capital.boundingRect().height() * shrink;
    const QRectF box = path.boundingRect();
    return path.translated(centre.x() - box.center().x(), centre.y() + capHeight / 2);
}

namespace {

// One pass of a running-sum box filter over `count` samples spaced `stride` apart.
void blurLine(uint8_t* base, int count, int stride, int radius, bool wrap,
              std::vector<int>& scratch) {
    scratch.assign(static_cast<size_t>(count) * 4, 0);
    for (int i = 0; i < count; ++i) {
        for (int c = 0; c < 4; ++c) {
            scratch[static_cast<size_t>(i) * 4 + c] = base[static_cast<size_t>(i) * stride + c];
        }
    }
    auto sample = [&](int i, int c) {
        if (wrap) {
            i = ((i % count) + count) % count;
        } else {
            i = std::clamp(i, 0, count - 1);
        }
        return scratch[static_cast<size_t>(i) * 4 + c];
    };
    const int window = 2 * radius + 1;
    for (int c = 0; c < 4; ++c) {
        int sum = 0;
        for (int k = -radius; k <= radius; ++k) {
            sum += sample(k, c);
        }
        for (int i = 0; i < count; ++i) {
            base[static_cast<size_t>(i) * stride + c] =
                static_cast<uint8_t>((sum + window / 2) / window);
            sum += sample(i + radius + 1, c) - sample(i - radius, c);
        }
    }
}

}  // namespace

void boxBlur(QImage& image, int radiusX, int radiusY, int passes, bool wrapY) {
    std::vector<int> scratch;
    const int w = image.width();
    const int h = image.height();
    for (int pass = 0; pass < passes; ++pass) {
        if (radiusX > 0) {
            for (int y = 0; y < h; ++y) {
                blurLine(image.scanLine(y), w, 4, radiusX, false, scratch);
            }
        }
        if (radiusY > 0) {
            const int stride = static_cast<int>(image.bytesPerLine());
            for (int x = 0; x < w; ++x) {
                blurLine(image.bits() + x * 4, h, stride, radiusY, wrapY, scratch);
            }
        }
    }
}

void drawWithShadow(QPainter& p, const QImage& layer, QPointF offset, double blur, int alpha) {
    QImage shadow(layer.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter sp(&shadow);
        sp.drawImage(0, 0, layer);
        sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        sp.fillRect(shadow.rect(), QColor(20, 10, 0, alpha));
    }
    const int r = std::max(1, static_cast<int>(blur / 2 + 0.5));
    boxBlur(shadow, r, r, 2);
    p.drawImage(offset, shadow);
    p.drawImage(0, 0, layer);
}

QLinearGradient chromeGradient(const QRectF& r, bool gold) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (gold) {
        g.setColorAt(0.0, QColor(255, 244, 190));
        g.setColorAt(0.22, QColor(231, 184, 74));
        g.setColorAt(0.48, QColor(142, 94, 22));
        g.setColorAt(0.55, QColor(196, 146, 50));
        g.setColorAt(0.8, QColor(250, 220, 130));
        g.setColorAt(1.0, QColor(120, 76, 18));
    } else {
        g.setColorAt(0.0, QColor(252, 252, 255));
        g.setColorAt(0.25, QColor(196, 200, 210));
        g.setColorAt(0.5, QColor(104, 108, 120));
        g.setColorAt(0.56, QColor(150, 154, 166));
        g.setColorAt(0.82, QColor(232, 234, 240));
        g.setColorAt(1.0, QColor(90, 92, 102));
    }
    return g;
}

void drawMetalFrame(QPainter& p, const QRectF& outer, double width, double radius, bool gold) {
    QPainterPath ring;
    ring.addRoundedRect(outer, radius, radius);
    const QRectF inner = outer.adjusted(width, width, -width, -width);
    ring.addRoundedRect(inner, std::max(0.0, radius - width), std::max(0.0, radius - width));
    ring.setFillRule(Qt::OddEvenFill);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(chromeGradient(outer, gold));
    p.drawPath(ring);
    // A dark hairline on both edges keeps the frame crisp against any colour.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 150), 1.0));
    p.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.setPen(QPen(QColor(0, 0, 0, 190), 1.0));
    p.drawRoundedRect(inner.adjusted(-0.5, -0.5, 0.5, 0.5), std::max(0.0, radius - width),
                      std::max(0.0, radius - width));
    p.restore();
}

void drawBulb(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient halo(centre, radius * 2.4);
    halo.setColorAt(0.0, withAlpha(colour, 150));
    halo.setColorAt(1.0, withAlpha(colour, 0));
    p.setBrush(halo);
    p.drawEllipse(centre, radius * 2.4, radius * 2.4);
    QRadialGradient glass(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.2);
    glass.setColorAt(0.0, QColor(255, 255, 245));
    glass.setColorAt(0.35, mix(colour, Qt::white, 0.55));
    glass.setColorAt(1.0, shade(colour, 0.7));
    p.setBrush(glass);
    p.setPen(QPen(shade(colour, 0.35), 0.6));
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

bool saveJpeg(const QImage& image, const QString& path) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(92);
    writer.setOptimizedWrite(true);
    return writer.write(image.convertToFormat(QImage::Format_RGB32));
}

bool savePng(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    return writer.write(image.convertToFormat(QImage::Format_RGB32));
}

}  // namespace art
