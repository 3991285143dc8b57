#include "tools/resgen/Canvas.h"

#include <algorithm>
#include <cmath>

namespace ResGen {

Rgba Opaque(std::uint32_t rgb) {
    return Rgba{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb), 255};
}

Canvas::Canvas(int width, int height, int scale)
    : width_(width * scale), height_(height * scale), scale_(scale),
      pixels_(static_cast<std::size_t>(width_) * height_) {}

void Canvas::Set(int x, int y, Rgba c) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[Index(x, y)] = c;
    }
}

void Canvas::Fill(Rgba c) {
    std::fill(pixels_.begin(), pixels_.end(), c);
}

template <typename Inside>
void Canvas::Cover(double x0, double y0, double x1, double y1, Rgba c, Inside inside) {
    const int px0 = std::max(0, static_cast<int>(std::floor(x0 * scale_)));
    const int py0 = std::max(0, static_cast<int>(std::floor(y0 * scale_)));
    const int px1 = std::min(width_ - 1, static_cast<int>(std::ceil(x1 * scale_)));
    const int py1 = std::min(height_ - 1, static_cast<int>(std::ceil(y1 * scale_)));
    for (int py = py0; py <= py1; ++py) {
        const double y = (py + 0.5) / scale_;
        for (int px = px0; px <= px1; ++px) {
            if (inside((px + 0.5) / scale_, y)) {
                pixels_[Index(px, py)] = c;
            }
        }
    }
}

void Canvas::FillRect(double x0, double y0, double x1, double y1, Rgba c) {
    Cover(x0, y0, x1, y1, c,
          [&](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; });
}

void Canvas::FillEllipse(double cx, double cy, double rx, double ry, Rgba c) {
    Cover(cx - rx, cy - ry, cx + rx, cy + ry, c, [&](double x, double y) {
        const double dx = (x - cx) / rx;
        const double dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    });
}

void Canvas::FillPolygon(const std::vector<Point>& points, Rgba c) {
    if (points.size() < 3) {
        return;
    }
    double x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
    for (const Point& p : points) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    Cover(x0, y0, x1, y1, c, [&](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Point& a = points[i];
            const Point& b = points[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
                inside = !inside;
            }
        }
        return inside;
    });
}

namespace {

double SegmentDistanceSquared(Point p, Point a, Point b) {
    const double vx = b.x - a.x, vy = b.y - a.y;
    const double length = vx * vx + vy * vy;
    double t = length > 0 ? ((p.x - a.x) * vx + (p.y - a.y) * vy) / length : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double dx = p.x - (a.x + t * vx), dy = p.y - (a.y + t * vy);
    return dx * dx + dy * dy;
}

}  // namespace

void Canvas::Stroke(const std::vector<Point>& points, double width, Rgba c) {
    const double r = width / 2;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[i + 1 < points.size() ? i + 1 : i];
        Cover(std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r,
              std::max(a.y, b.y) + r, c,
              [&](double x, double y) { return SegmentDistanceSquared({x, y}, a, b) <= r * r; });
    }
}

void Canvas::FillGradient(double x0, double y0, double x1, double y1, Rgba top, Rgba bottom) {
    for (int py = 0; py < height_; ++py) {
        const double y = (py + 0.5) / scale_;
        if (y < y0 || y >= y1) {
            continue;
        }
        const double t = (y - y0) / (y1 - y0);
        auto mix = [t](std::uint8_t a, std::uint8_t b) {
            return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
        };
        const Rgba c{mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b), 255};
        for (int px = 0; px < width_; ++px) {
            const double x = (px + 0.5) / scale_;
            if (x >= x0 && x < x1) {
                pixels_[Index(px, py)] = c;
            }
        }
    }
}

void Canvas::Compose(const Canvas& layer, Rgba outline, double radius) {
    const int reach = static_cast<int>(std::ceil(radius));
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Rgba own = layer.At(x, y);
            if (own.a != 0) {
                pixels_[Index(x, y)] = own;
                continue;
            }
            bool near = false;
            for (int dy = -reach; dy <= reach && !near; ++dy) {
                for (int dx = -reach; dx <= reach && !near; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    near = nx >= 0 && ny >= 0 && nx < width_ && ny < height_ &&
                           dx * dx + dy * dy <= radius * radius && layer.At(nx, ny).a != 0;
                }
            }
            if (near) {
                pixels_[Index(x, y)] = outline;
            }
        }
    }
}

void Canvas::ComposeShadow(const Canvas& layer, int dx, int dy, Rgba shadow) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const int sx = x - dx, sy = y - dy;
            if (sx >= 0 && sy >= 0 && sx < width_ && sy < height_ && layer.At(sx, sy).a != 0) {
                pixels_[Index(x, y)] = shadow;
            }
        }
    }
}

Canvas Canvas::Downsample() const {
    Canvas small(width_ / scale_, height_ / scale_);
    const int n = scale_ * scale_;
    for (int y = 0; y < small.height_; ++y) {
        for (int x = 0; x < small.width_; ++x) {
            int r = 0, g = 0, b = 0, a = 0;
            for (int dy = 0; dy < scale_; ++dy) {
                for (int dx = 0; dx < scale_; ++dx) {
                    const Rgba c = At(x * scale_ + dx, y * scale_ + dy);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            Rgba& out = small.pixels_[small.Index(x, y)];
            if (a > 0) {
                out = Rgba{static_cast<std::uint8_t>((r + a / 2) / a),
                           static_cast<std::uint8_t>((g + a / 2) / a),
                           static_cast<std::uint8_t>((b + a / 2) / a),
                           static_cast<std::uint8_t>((a + n / 2) / n)};
            }
        }
    }
    return small;
}

}  // namespace ResGen
