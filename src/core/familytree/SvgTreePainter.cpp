#include "familytree/SvgTreePainter.h"

#include "base/Utf8Text.h"

namespace {

int CodePoints(const std::string& utf8) {
    int count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

}  // namespace

std::string XmlEscaped(const std::string& text) {
    const std::string utf8 = TextAsUtf8(text);
    std::string out;
    out.reserve(utf8.size());
    for (unsigned char c : utf8) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default:
                // Control characters are not allowed in XML 1.0 text.
                if (c < 0x20 && c != '\t') out += ' ';
                else out += static_cast<char>(c);
        }
    }
    return out;
}

SvgTreePainter::SvgTreePainter(int width, int height) : width_(width), height_(height) {}

TreePainter::Extent SvgTreePainter::Measure(const std::string& text) {
    return {CodePoints(TextAsUtf8(text)) * kCharWidth, kLineHeight};
}

void SvgTreePainter::Text(const std::string& text, int x, int y) {
    const Extent size = Measure(text);
    body_ += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
             std::to_string(size.width) + "\" height=\"" + std::to_string(size.height) + "\" fill=\"white\"/>\n";
    // The baseline sits about four fifths down the line.
    body_ += "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y + kLineHeight * 4 / 5) +
             "\" textLength=\"" + std::to_string(size.width) + "\">" + XmlEscaped(text) + "</text>\n";
}

void SvgTreePainter::Line(int x1, int y1, int x2, int y2) {
    body_ += "<line x1=\"" + std::to_string(x1) + "\" y1=\"" + std::to_string(y1) + "\" x2=\"" + std::to_string(x2) +
             "\" y2=\"" + std::to_string(y2) + "\" stroke=\"black\"/>\n";
}

std::string SvgTreePainter::Document() const {
    const std::string w = std::to_string(width_), h = std::to_string(height_);
    std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    doc += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "\" height=\"" + h +
           "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
    doc += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"white\"/>\n";
    doc += "<g font-family=\"monospace\" font-size=\"" + std::to_string(kFontPixels) +
           "px\" text-decoration=\"underline\" fill=\"black\">\n";
    doc += body_;
    doc += "</g>\n</svg>\n";
    return doc;
}
