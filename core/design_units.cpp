#include "core/design_units.h"

namespace corvane {

int ScaleToDpi(int units, int dpi) {
    return (units * dpi + kDesignDpi / 2) / kDesignDpi;
}

DesignRect ScaleToDpi(const DesignRect& rect, int dpi) {
    const int left = ScaleToDpi(rect.x, dpi);
    const int top = ScaleToDpi(rect.y, dpi);
    return {left, top, ScaleToDpi(rect.x + rect.width, dpi) - left,
            ScaleToDpi(rect.y + rect.height, dpi) - top};
}

} // namespace corvane
