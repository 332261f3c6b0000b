#pragma once
// The paint engine behind EmfPaintDevice: turns QPainter calls into libUEMF records.
// Coordinates are mapped through the painter's transform here and written in device units,
// so the metafile needs no world transform.
#include <uemf.h>

#include <QBrush>
#include <QFont>
#include <QPaintEngine>
#include <QPen>
#include <QRectF>
#include <QTransform>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

class EmfPaintDevice;

// libUEMF's records and buffers are allocated with malloc: each is owned by one of these.
struct MallocFree {
    void operator()(void* block) const { std::free(block); }
};
template <class T>
using MallocPtr = std::unique_ptr<T, MallocFree>;
struct EmfTrackFree {
    void operator()(EMFTRACK* track) const;  // the buffer, then the track
};
struct EmfHandlesFree {
    void operator()(EMFHANDLES* handles) const;
};

class EmfPaintEngine : public QPaintEngine {
public:
    EmfPaintEngine();
    ~EmfPaintEngine() override;

    bool begin(QPaintDevice* device) override;
    bool end() override;
    void updateState(const QPaintEngineState& state) override;

    void drawPath(const QPainterPath& path) override;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawLines(const QLineF* lines, int count) override;
    void drawRects(const QRectF* rects, int count) override;
    void drawEllipse(const QRectF& rect) override;
    void drawTextItem(const QPointF& p, const QTextItem& textItem) override;
    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& sr) override;
    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                   Qt::ImageConversionFlags flags = Qt::AutoColor) override;
    Type type() const override { return QPaintEngine::User; }

private:
    // What is selected into the metafile's device context.
    struct Selected {
        std::uint32_t handle = 0;  // 0: a stock object is selected
        QString key;               // what the created object stands for
    };

    // Takes over a record made by a libUEMF *_set function.
    bool append(char* record);
    void writeHeader();
    void releaseObjects();  // select stock objects, delete the created ones
    void applyClip();
    void selectPen(bool stroke);
    void selectBrush(bool fill);
    void selectFont(const QFont& font, double scale, int escapement);
    void emitPolygons(const std::vector<std::vector<U_POINTL>>& polygons, bool closed);
    U_POINTL map(const QPointF& point) const;
    U_RECTL mapBounds(const QRectF& rect) const;
    std::vector<U_POINTL> mapPolygon(const QPolygonF& polygon) const;
    double penWidth() const;
    QColor fillColor() const;

    EmfPaintDevice* device_ = nullptr;
    std::unique_ptr<EMFTRACK, EmfTrackFree> track_;
    std::unique_ptr<EMFHANDLES, EmfHandlesFree> handles_;
    bool failed_ = false;

    QPen pen_;
    QBrush brush_;
    QFont font_;
    QTransform transform_;
    bool clipEnabled_ = false;
    std::optional<QRectF> clip_;  // device units
    bool clipDirty_ = false;
    bool dcSaved_ = false;
    std::uint32_t fillMode_ = 0;
    QColor textColor_;

    Selected selectedPen_, selectedBrush_, selectedFont_;
};
