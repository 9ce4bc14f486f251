#pragma once
// Design units: pixels at 96 DPI. Every size the program draws or lays out is
// written in them and scaled to the DPI it is shown at.
namespace corvane {

inline constexpr int kDesignDpi = 96;

struct DesignRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const DesignRect&) const = default;
};

// A length or coordinate in design units (not negative) as pixels at dpi,
// rounded to the nearest pixel, halves up.
int ScaleToDpi(int units, int dpi);
// A rectangle at dpi: its edges are scaled, so that controls that touch in
// design units touch at every DPI.
DesignRect ScaleToDpi(const DesignRect& rect, int dpi);

} // namespace corvane
