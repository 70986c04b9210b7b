#pragma once
// A 2D affine map from picture (or text box) pixel coordinates to screen
// pixels: screen = (m00 * x + m01 * y + tx, m10 * x + m11 * y + ty).
struct AffineTransform {
    float m00, m01, m10, m11;
    float tx, ty;
};
