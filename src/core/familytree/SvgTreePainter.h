#pragma once
#include <string>

#include "familytree/TreePainter.h"

/// Draws a family tree as an SVG document without a toolkit: names in a fixed-pitch
/// font, underlined, black on white boxes, joined by black lines. Texts are measured
/// with the font's metrics (every character the same advance).
class SvgTreePainter : public TreePainter {
public:
    SvgTreePainter(int width, int height);

    Extent Measure(const std::string& text) override;
    void Text(const std::string& text, int x, int y) override;
    void Line(int x1, int y1, int x2, int y2) override;

    /// The whole document.
    std::string Document() const;

    static constexpr int kCharWidth = 10;
    static constexpr int kLineHeight = 19;
    static constexpr int kFontPixels = 16;  // 12 points at 96 dots per inch

private:
    int width_;
    int height_;
    std::string body_;
};

/// The text with '&', '<', '>', '"' and '\'' written as XML entities and bytes that are
/// not valid UTF-8 read as Windows-1252.
std::string XmlEscaped(const std::string& text);
