#pragma once
#include <string>

/// What drawing a family tree needs of a surface: measuring a text in the current
/// font, drawing a text by its top-left corner and drawing a straight line. The window
/// implements it on a device context, the picture writers on a bitmap or an SVG file,
/// tests with a recorder.
class TreePainter {
public:
    struct Extent {
        int width = 0;
        int height = 0;
    };
    virtual ~TreePainter() = default;
    virtual Extent Measure(const std::string& text) = 0;
    virtual void Text(const std::string& text, int x, int y) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
};
