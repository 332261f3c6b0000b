#pragma once
// A paint device that records what is painted on it as an Enhanced Metafile (EMF) in memory,
// one device unit per pixel at 96 dpi. Lines, polygons and paths become POLYLINE and
// POLYPOLYGON records with their pens and brushes, text becomes EXTTEXTOUTW with the font's
// advances, pictures STRETCHDIBITS, clipping SAVEDC/INTERSECTCLIPRECT/RESTOREDC.
// Gradients and textures are written in a plain colour; transparency is dropped.
#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QString>
#include <memory>

class EmfPaintEngine;

class EmfPaintDevice : public QPaintDevice {
public:
    // `description`: the creator's text stored in the file's header.
    explicit EmfPaintDevice(QSize size, const QString& description = QString());
    ~EmfPaintDevice() override;

    QPaintEngine* paintEngine() const override;
    QSize size() const { return size_; }
    QString description() const { return description_; }

    // The finished metafile, once the painter has ended; empty before, or when it failed.
    QByteArray data() const { return data_; }

    static constexpr int kDpi = 96;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    friend class EmfPaintEngine;
    QSize size_;
    QString description_;
    QByteArray data_;
    std::unique_ptr<EmfPaintEngine> engine_;
};
