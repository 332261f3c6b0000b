#include "pictures/EmfPaintDevice.h"

#include <climits>

#include "pictures/EmfPaintEngine.h"

EmfPaintDevice::EmfPaintDevice(QSize size, const QString& description)
    : size_(size.expandedTo(QSize(1, 1))),
      description_(description),
      engine_(std::make_unique<EmfPaintEngine>()) {}

EmfPaintDevice::~EmfPaintDevice() = default;

QPaintEngine* EmfPaintDevice::paintEngine() const {
    return engine_.get();
}

int EmfPaintDevice::metric(PaintDeviceMetric metric) const {
    const double millimetresPerPixel = 25.4 / kDpi;
    switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmWidthMM:
            return static_cast<int>(size_.width() * millimetresPerPixel);
        case PdmHeightMM:
            return static_cast<int>(size_.height() * millimetresPerPixel);
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return kDpi;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}
