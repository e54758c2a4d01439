#include "PngTreePainter.h"

#include <cmath>

#include "base/Utf8Text.h"

namespace {

constexpr double kFontPixels = 16;  // 12 points at 96 dots per inch

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

PngTreePainter::PngTreePainter(int width, int height) {
    // A measuring painter still needs a context for the font's metrics.
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width > 0 ? width : 1, height > 0 ? height : 1);
    cr_ = cairo_create(surface_);
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_paint(cr_);
    cairo_select_font_face(cr_, "monospace", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, kFontPixels);
    cairo_font_extents_t font;
    cairo_font_extents(cr_, &font);
    ascent_ = font.ascent;
    lineHeight_ = std::ceil(font.ascent + font.descent);
    cairo_set_line_width(cr_, 1);
}

PngTreePainter::~PngTreePainter() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

TreePainter::Extent PngTreePainter::Measure(const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, TextAsUtf8(text).c_str(), &extents);
    return {static_cast<int>(std::ceil(extents.x_advance)), static_cast<int>(lineHeight_)};
}

void PngTreePainter::Text(const std::string& text, int x, int y) {
    const Extent size = Measure(text);
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_rectangle(cr_, x, y, size.width, size.height);
    cairo_fill(cr_);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_move_to(cr_, x, y + ascent_);
    cairo_show_text(cr_, TextAsUtf8(text).c_str());
    // The underline, a pixel below the baseline.
    const double under = std::floor(y + ascent_ + 2) + 0.5;
    cairo_move_to(cr_, x, under);
    cairo_line_to(cr_, x + size.width, under);
    cairo_stroke(cr_);
}

void PngTreePainter::Line(int x1, int y1, int x2, int y2) {
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_move_to(cr_, x1 + 0.5, y1 + 0.5);
    cairo_line_to(cr_, x2 + 0.5, y2 + 0.5);
    cairo_stroke(cr_);
}

bool PngTreePainter::Encode(std::string& bytes) {
    cairo_surface_flush(surface_);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) return false;
    bytes.clear();
    return cairo_surface_write_to_png_stream(surface_, Append, &bytes) == CAIRO_STATUS_SUCCESS;
}
