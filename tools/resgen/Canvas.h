#pragma once

#include <cstdint>
#include <vector>

namespace ResGen {

// A colour with straight alpha; alpha 0 is "nothing drawn here".
struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

// Builds an opaque colour from 0xRRGGBB.
Rgba Opaque(std::uint32_t rgb);

struct Point {
    double x, y;
};

// A picture being drawn. Shapes are given in logical units; each logical unit
// covers `scale` pixels, so a picture drawn at scale 4 and then shrunk with
// Downsample gets smooth edges. A pixel belongs to a shape when its centre does,
// which keeps every shape crisp and reproducible at scale 1.
class Canvas {
public:
    Canvas(int width, int height, int scale = 1);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgba At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgba c);

    void Fill(Rgba c);
    void FillRect(double x0, double y0, double x1, double y1, Rgba c);
    void FillEllipse(double cx, double cy, double rx, double ry, Rgba c);
    void FillPolygon(const std::vector<Point>& points, Rgba c);
    // A line of the given width through the points, with round ends and joints.
    void Stroke(const std::vector<Point>& points, double width, Rgba c);
    // A vertical blend from `top` to `bottom` over the rectangle.
    void FillGradient(double x0, double y0, double x1, double y1, Rgba top, Rgba bottom);

    // Puts the drawn pixels of `layer` on this canvas, ringed by `outline`
    // wherever an empty pixel lies within `radius` pixels of a drawn one.
    void Compose(const Canvas& layer, Rgba outline, double radius);
    // Puts the drawn pixels of `layer` on this canvas shifted by (dx, dy)
    // pixels, all in one colour: a shadow.
    void ComposeShadow(const Canvas& layer, int dx, int dy, Rgba shadow);
    // The picture at 1/scale of its size, each pixel the mean of its block.
    Canvas Downsample() const;

private:
    int Index(int x, int y) const { return y * width_ + x; }
    // Calls paint(x, y) for every pixel whose centre lies in the logical box.
    template <typename Inside>
    void Cover(double x0, double y0, double x1, double y1, Rgba c, Inside inside);

    int width_;
    int height_;
    int scale_;
    std::vector<Rgba> pixels_;
};

}  // namespace ResGen
