// An axis-aligned rectangle by its corners.
#pragma once

class hgeRect {
public:
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    hgeRect() = default;
    hgeRect(float left, float top, float right, float bottom)
        : x1(left), y1(top), x2(right), y2(bottom) {}

    void Set(float left, float top, float right, float bottom) {
        x1 = left;
        y1 = top;
        x2 = right;
        y2 = bottom;
    }
    // Edges included.
    bool TestPoint(float x, float y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};
