#pragma once

// A canvas that draws nothing and records every operation with the pen and font in
// force, for tests that check exact coordinates and for the drawing fuzz targets
// (which, for speed, may keep only the texts and count the rest).

#include <string>
#include <vector>

#include "framework/core/canvas.h"

class RecordingCanvas : public Canvas {
public:
    enum class Kind { fill_background, rectangle, move_to, line_to, text };

    struct Pen {
        Rgb colour{};
        int width = 1;
        PenStyle style = PenStyle::solid;
        bool operator==(const Pen&) const = default;
    };
    struct Font {
        std::string face;
        int points = 0;
        bool bold = false;
        bool operator==(const Font&) const = default;
    };

    // One call; a line keeps its start (the current point before it) in x1, y1.
    struct Op {
        Kind kind;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        std::string text;
        Pen pen;
        Font font;
    };

    // textHeight answers this for every text; textWidth half of it a character.
    explicit RecordingCanvas(int text_height = 10, bool texts_only = false)
        : text_height_(text_height), texts_only_(texts_only) {}

    void fillBackground(int left, int top, int right, int bottom) override {
        record(Kind::fill_background, left, top, right, bottom);
    }
    void rectangle(int left, int top, int right, int bottom) override {
        record(Kind::rectangle, left, top, right, bottom);
    }
    void moveTo(int x, int y) override {
        x_ = x;
        y_ = y;
        record(Kind::move_to, x, y, x, y);
    }
    void lineTo(int x, int y) override {
        record(Kind::line_to, x_, y_, x, y);
        x_ = x;
        y_ = y;
    }
    void textOut(int x, int y, const std::string& text) override {
        record(Kind::text, x, y, x, y, text);
    }
    int textHeight(const std::string&) override { return text_height_; }
    int textWidth(const std::string& text) override { return static_cast<int>(text.size()) * text_height_ / 2; }

    void setPenColour(Rgb colour) override { pen_.colour = colour; }
    void setPenWidth(int pixels) override { pen_.width = pixels; }
    void setPenStyle(PenStyle style) override { pen_.style = style; }
    void setFontFace(const std::string& face) override { font_.face = face; }
    void setFontSize(int points) override { font_.points = points; }
    void setFontBold(bool bold) override { font_.bold = bold; }

    const std::vector<Op>& ops() const { return ops_; }
    // Every operation, recorded or not.
    std::size_t count() const { return count_; }
    // The operations of one kind, in drawing order.
    std::vector<Op> of(Kind kind) const {
        std::vector<Op> found;
        for (const Op& op : ops_)
            if (op.kind == kind) found.push_back(op);
        return found;
    }
    void clear() {
        ops_.clear();
        count_ = 0;
    }

private:
    void record(Kind kind, int x1, int y1, int x2, int y2, const std::string& text = {}) {
        ++count_;
        if (!texts_only_ || kind == Kind::text) ops_.push_back(Op{kind, x1, y1, x2, y2, text, pen_, font_});
    }

    int text_height_;
    bool texts_only_;
    std::size_t count_ = 0;
    int x_ = 0, y_ = 0;
    Pen pen_;
    Font font_;
    std::vector<Op> ops_;
};
