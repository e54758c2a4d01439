#pragma once
#include <string>

#include <cairo.h>

#include "familytree/TreePainter.h"

/// Draws a family tree chart into an image with cairo, as the window draws it: a
/// 12-point fixed-pitch font (16 pixels), underlined, black on white boxes, black lines.
/// Made without an image it only measures.
class PngTreePainter : public TreePainter {
public:
    /// A white image of this size; (0, 0) only measures.
    PngTreePainter(int width, int height);
    ~PngTreePainter() override;
    PngTreePainter(const PngTreePainter&) = delete;
    PngTreePainter& operator=(const PngTreePainter&) = delete;

    Extent Measure(const std::string& text) override;
    void Text(const std::string& text, int x, int y) override;
    void Line(int x1, int y1, int x2, int y2) override;

    /// The image as PNG bytes; false when the image could not be made (too large).
    bool Encode(std::string& bytes);

private:
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
    double ascent_ = 0;
    double lineHeight_ = 0;
};
