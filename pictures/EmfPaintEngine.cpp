#include "pictures/EmfPaintEngine.h"

#include <uemf_utf.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>

#include "pictures/EmfPaintDevice.h"

namespace {

// Buffer growth of the metafile in memory, bytes.
constexpr std::uint32_t kInitialSize = 64 * 1024;
constexpr std::uint32_t kChunkSize = 64 * 1024;
constexpr std::uint32_t kHandleTable = 128;
constexpr double kMaxPictureBytes = 256.0 * 1024 * 1024;

constexpr U_RECTL kNoBounds{0, 0, -1, -1};

// Device units stay well inside 32 bits, so that sums over points cannot overflow.
std::int32_t clampUnit(double value) {
    constexpr double limit = 1 << 28;
    if (!(value > -limit)) return -(1 << 28);
    if (!(value < limit)) return 1 << 28;
    return static_cast<std::int32_t>(std::lround(value));
}

U_COLORREF colorRef(const QColor& color) {
    const QColor rgb = color.toRgb();
    return colorref3_set(static_cast<std::uint8_t>(rgb.red()),
                         static_cast<std::uint8_t>(rgb.green()),
                         static_cast<std::uint8_t>(rgb.blue()));
}

// A gradient or a texture is written in one colour: the gradient's first stop.
QColor plainColor(const QBrush& brush) {
    if (const QGradient* gradient = brush.gradient(); gradient && !gradient->stops().isEmpty())
        return gradient->stops().front().second;
    return brush.color();
}

std::uint32_t penStyle(Qt::PenStyle style) {
    switch (style) {
        case Qt::DashLine:
            return U_PS_DASH;
        case Qt::DotLine:
            return U_PS_DOT;
        case Qt::DashDotLine:
            return U_PS_DASHDOT;
        case Qt::DashDotDotLine:
            return U_PS_DASHDOTDOT;
        default:
            return U_PS_SOLID;
    }
}

std::uint32_t capAndJoin(const QPen& pen) {
    std::uint32_t flags = 0;
    switch (pen.capStyle()) {
        case Qt::FlatCap:
            flags |= U_PS_ENDCAP_FLAT;
            break;
        case Qt::RoundCap:
            flags |= U_PS_ENDCAP_ROUND;
            break;
        default:
            flags |= U_PS_ENDCAP_SQUARE;
            break;
    }
    switch (pen.joinStyle()) {
        case Qt::RoundJoin:
            flags |= U_PS_JOIN_ROUND;
            break;
        case Qt::BevelJoin:
            flags |= U_PS_JOIN_BEVEL;
            break;
        default:
            flags |= U_PS_JOIN_MITER;
            break;
    }
    return flags;
}

// The scale of a transform along its axes (its rotation and shear left out).
double transformScale(const QTransform& t) {
    return std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
}

std::vector<std::uint16_t> utf16(const QString& text) {
    std::vector<std::uint16_t> out(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) out[i] = text.at(i).unicode();
    return out;
}

}  // namespace

void EmfTrackFree::operator()(EMFTRACK* track) const {
    std::free(track->buf);
    std::free(track);
}

void EmfHandlesFree::operator()(EMFHANDLES* handles) const {
    emf_htable_free(&handles);
}

EmfPaintEngine::EmfPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

EmfPaintEngine::~EmfPaintEngine() = default;

// A null record (out of memory) or a failed append spoils the whole file, which end() then
// refuses. The record is copied into the track and freed here, whether or not that succeeds.
bool EmfPaintEngine::append(char* record) {
    const MallocPtr<char> owned(record);
    if (!owned) {
        failed_ = true;
        return false;
    }
    if (failed_) return false;
    if (emf_append(reinterpret_cast<U_ENHMETARECORD*>(owned.get()), track_.get(), 0)) {
        failed_ = true;
        return false;
    }
    return true;
}

bool EmfPaintEngine::begin(QPaintDevice* device) {
    device_ = static_cast<EmfPaintDevice*>(device);
    device_->data_.clear();
    failed_ = false;
    // The buffer is kept in memory only: emf_start would open a file by name, and the file is
    // written by the caller as a whole (so that a failure never leaves half a picture).
    track_.reset(static_cast<EMFTRACK*>(std::calloc(1, sizeof(EMFTRACK))));
    if (!track_) return false;
    track_->buf = static_cast<char*>(std::malloc(kInitialSize));
    track_->allocated = kInitialSize;
    track_->chunk = kChunkSize;
    EMFHANDLES* handles = nullptr;
    if (!track_->buf || emf_htable_create(kHandleTable, kHandleTable, &handles)) return false;
    handles_.reset(handles);
    writeHeader();
    append(U_EMRSETMAPMODE_set(U_MM_TEXT));
    append(U_EMRSETBKMODE_set(U_TRANSPARENT));
    append(U_EMRSETTEXTALIGN_set(U_TA_BASELINE));
    setActive(true);
    return !failed_;
}

void EmfPaintEngine::writeHeader() {
    const QSize size = device_->size();
    const double pixelsPerMm = EmfPaintDevice::kDpi / 25.4;
    const U_RECTL bounds{0, 0, size.width() - 1, size.height() - 1};
    // The frame is in hundredths of a millimetre.
    const U_RECTL frame{0, 0, clampUnit(size.width() * 100.0 / pixelsPerMm),
                        clampUnit(size.height() * 100.0 / pixelsPerMm)};
    // Description: creator and title, each ended by a NUL, then one more NUL.
    QString text = device_->description();
    text.replace(QLatin1Char('\n'), QChar(0));
    std::vector<std::uint16_t> description = utf16(text);
    description.push_back(0);
    description.push_back(0);
    const U_SIZEL device{size.width(), size.height()};
    const U_SIZEL millimetres{clampUnit(size.width() / pixelsPerMm),
                              clampUnit(size.height() / pixelsPerMm)};
    append(U_EMRHEADER_set(bounds, frame, nullptr, static_cast<U_CBSTR>(description.size()),
                           description.data(), device, millimetres, 0));
}

bool EmfPaintEngine::end() {
    releaseObjects();
    if (dcSaved_) append(U_EMRRESTOREDC_set(-1));
    dcSaved_ = false;
    append(U_EMREOF_set(0, nullptr, track_.get()));
    setActive(false);
    if (!failed_) {
        // What emf_finish would set before writing: the totals that are known only now.
        auto* header = reinterpret_cast<PU_EMRHEADER>(track_->buf);
        header->nBytes = static_cast<std::uint32_t>(track_->used);
        header->nRecords = track_->records;
        header->nHandles = static_cast<std::uint16_t>(handles_->peak + 1);
        device_->data_ = QByteArray(track_->buf, static_cast<qsizetype>(track_->used));
    }
    track_.reset();
    handles_.reset();
    return !failed_;
}

void EmfPaintEngine::updateState(const QPaintEngineState& state) {
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyPen) pen_ = state.pen();
    if (dirty & DirtyBrush) brush_ = state.brush();
    if (dirty & DirtyFont) font_ = state.font();
    if (dirty & DirtyTransform) transform_ = state.transform();
    if (dirty & DirtyClipEnabled) {
        clipEnabled_ = state.isClipEnabled();
        clipDirty_ = true;
    }
    if (dirty & (DirtyClipPath | DirtyClipRegion)) {
        // The clip is given in the coordinates of the transform in force with it; only its
        // bounding rectangle is written.
        const QRectF rect = (dirty & DirtyClipPath)
                                ? state.transform().map(state.clipPath()).boundingRect()
                                : state.transform().map(state.clipRegion()).boundingRect();
        switch (state.clipOperation()) {
            case Qt::NoClip:
                clip_.reset();
                break;
            case Qt::ReplaceClip:
                clip_ = rect;
                break;
            case Qt::IntersectClip:
                clip_ = clip_ ? clip_->intersected(rect) : rect;
                break;
        }
        clipEnabled_ = state.clipOperation() != Qt::NoClip;
        clipDirty_ = true;
    }
}

void EmfPaintEngine::releaseObjects() {
    for (Selected* selected : {&selectedPen_, &selectedBrush_, &selectedFont_}) {
        if (!selected->handle) continue;
        const std::uint32_t stock = selected == &selectedPen_     ? U_BLACK_PEN
                                    : selected == &selectedBrush_ ? U_WHITE_BRUSH
                                                                  : U_DEVICE_DEFAULT_FONT;
        append(U_EMRSELECTOBJECT_set(stock));
        append(deleteobject_set(&selected->handle, handles_.get()));
        *selected = {};
    }
}

void EmfPaintEngine::applyClip() {
    if (!clipDirty_) return;
    clipDirty_ = false;
    // A saved state must refer to stock objects only, or deleting an object later would
    // leave the restored state pointing at nothing.
    releaseObjects();
    if (dcSaved_) append(U_EMRRESTOREDC_set(-1));
    dcSaved_ = false;
    // What the restored state holds is not what was last selected or set inside it.
    selectedPen_ = selectedBrush_ = selectedFont_ = {};
    textColor_ = QColor();
    fillMode_ = 0;
    if (!clipEnabled_ || !clip_) return;
    append(U_EMRSAVEDC_set());
    dcSaved_ = true;
    const QRectF& r = *clip_;
    append(U_EMRINTERSECTCLIPRECT_set(
        U_RECTL{clampUnit(std::floor(r.left())), clampUnit(std::floor(r.top())),
                clampUnit(std::ceil(r.right())), clampUnit(std::ceil(r.bottom()))}));
}

double EmfPaintEngine::penWidth() const {
    if (pen_.isCosmetic()) return std::max(1.0, pen_.widthF());
    return std::max(1.0, pen_.widthF() * transformScale(transform_));
}

QColor EmfPaintEngine::fillColor() const {
    return plainColor(brush_);
}

void EmfPaintEngine::selectPen(bool stroke) {
    const QColor color = plainColor(pen_.brush());
    const bool visible = stroke && pen_.style() != Qt::NoPen && color.alpha() > 0;
    if (!visible) {
        if (selectedPen_.key != "null") {
            append(U_EMRSELECTOBJECT_set(U_NULL_PEN));
            if (selectedPen_.handle) append(deleteobject_set(&selectedPen_.handle, handles_.get()));
            selectedPen_ = {0, "null"};
        }
        return;
    }
    const std::int32_t width = clampUnit(penWidth());
    // A pen wider than a pixel is a geometric pen (solid, with Qt's cap and join); a thin one
    // keeps its dashes.
    const std::uint32_t style =
        width > 1 ? U_PS_GEOMETRIC | U_PS_SOLID | capAndJoin(pen_) : penStyle(pen_.style());
    const QString key = QStringLiteral("%1 %2 %3").arg(color.name()).arg(width).arg(style);
    if (selectedPen_.handle && selectedPen_.key == key) return;
    std::uint32_t handle = 0;
    if (width > 1) {
        const MallocPtr<U_EXTLOGPEN> logpen(extlogpen_set(
            style, static_cast<std::uint32_t>(width), U_BS_SOLID, colorRef(color), 0, 0, nullptr));
        append(extcreatepen_set(&handle, handles_.get(), nullptr, 0, nullptr, logpen.get()));
    } else {
        append(createpen_set(&handle, handles_.get(),
                             logpen_set(style, U_POINT{1, 0}, colorRef(color))));
    }
    append(selectobject_set(handle, handles_.get()));
    if (selectedPen_.handle) append(deleteobject_set(&selectedPen_.handle, handles_.get()));
    selectedPen_ = {handle, key};
}

void EmfPaintEngine::selectBrush(bool fill) {
    const QColor color = fillColor();
    const bool visible = fill && brush_.style() != Qt::NoBrush && color.alpha() > 0;
    if (!visible) {
        if (selectedBrush_.key != "null") {
            append(U_EMRSELECTOBJECT_set(U_NULL_BRUSH));
            if (selectedBrush_.handle)
                append(deleteobject_set(&selectedBrush_.handle, handles_.get()));
            selectedBrush_ = {0, "null"};
        }
        return;
    }
    const QString key = color.name();
    if (selectedBrush_.handle && selectedBrush_.key == key) return;
    std::uint32_t handle = 0;
    append(createbrushindirect_set(&handle, handles_.get(),
                                   logbrush_set(U_BS_SOLID, colorRef(color), 0)));
    append(selectobject_set(handle, handles_.get()));
    if (selectedBrush_.handle) append(deleteobject_set(&selectedBrush_.handle, handles_.get()));
    selectedBrush_ = {handle, key};
}

U_POINTL EmfPaintEngine::map(const QPointF& point) const {
    const QPointF p = transform_.map(point);
    return U_POINTL{clampUnit(p.x()), clampUnit(p.y())};
}

U_RECTL EmfPaintEngine::mapBounds(const QRectF& rect) const {
    const QRectF r = transform_.mapRect(rect);
    return U_RECTL{clampUnit(std::floor(r.left())), clampUnit(std::floor(r.top())),
                   clampUnit(std::ceil(r.right())), clampUnit(std::ceil(r.bottom()))};
}

std::vector<U_POINTL> EmfPaintEngine::mapPolygon(const QPolygonF& polygon) const {
    std::vector<U_POINTL> points;
    points.reserve(static_cast<std::size_t>(polygon.size()));
    for (const QPointF& p : polygon) points.push_back(map(p));
    return points;
}

// Polygons (filled with the brush) or polylines (stroked with the pen), as one record.
void EmfPaintEngine::emitPolygons(const std::vector<std::vector<U_POINTL>>& polygons, bool closed) {
    std::vector<std::uint32_t> counts;
    std::vector<U_POINTL> all;
    U_RECTL bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const auto& polygon : polygons) {
        if (polygon.size() < 2) continue;
        counts.push_back(static_cast<std::uint32_t>(polygon.size()));
        for (const U_POINTL& p : polygon) {
            all.push_back(p);
            bounds = {std::min(bounds.left, p.x), std::min(bounds.top, p.y),
                      std::max(bounds.right, p.x), std::max(bounds.bottom, p.y)};
        }
    }
    if (counts.empty()) return;
    const auto n = static_cast<std::uint32_t>(counts.size());
    const auto total = static_cast<std::uint32_t>(all.size());
    if (closed)
        append(U_EMRPOLYPOLYGON_set(bounds, n, counts.data(), total, all.data()));
    else if (n == 1)
        append(U_EMRPOLYLINE_set(bounds, total, all.data()));
    else
        append(U_EMRPOLYPOLYLINE_set(bounds, n, counts.data(), total, all.data()));
}

void EmfPaintEngine::drawPath(const QPainterPath& path) {
    if (failed_ || path.isEmpty()) return;
    applyClip();
    if (brush_.style() != Qt::NoBrush && fillColor().alpha() > 0) {
        const std::uint32_t mode = path.fillRule() == Qt::WindingFill ? U_WINDING : U_ALTERNATE;
        if (mode != fillMode_) append(U_EMRSETPOLYFILLMODE_set(mode));
        fillMode_ = mode;
        std::vector<std::vector<U_POINTL>> polygons;
        for (const QPolygonF& polygon : path.toFillPolygons())
            polygons.push_back(mapPolygon(polygon));
        selectPen(false);
        selectBrush(true);
        emitPolygons(polygons, true);
    }
    if (pen_.style() != Qt::NoPen) {
        std::vector<std::vector<U_POINTL>> lines;
        for (const QPolygonF& polygon : path.toSubpathPolygons())
            lines.push_back(mapPolygon(polygon));
        selectPen(true);
        selectBrush(false);
        emitPolygons(lines, false);
    }
}

void EmfPaintEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) {
    if (count < 2) return;
    QPainterPath path;
    path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    path.moveTo(points[0]);
    for (int i = 1; i < count; ++i) path.lineTo(points[i]);
    if (mode == PolylineMode) {
        const QBrush brush = brush_;
        brush_ = Qt::NoBrush;
        drawPath(path);
        brush_ = brush;
        return;
    }
    path.closeSubpath();
    drawPath(path);
}

void EmfPaintEngine::drawLines(const QLineF* lines, int count) {
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        path.moveTo(lines[i].p1());
        path.lineTo(lines[i].p2());
    }
    const QBrush brush = brush_;
    brush_ = Qt::NoBrush;
    drawPath(path);
    brush_ = brush;
}

void EmfPaintEngine::drawRects(const QRectF* rects, int count) {
    for (int i = 0; i < count; ++i) {
        QPainterPath path;
        path.addRect(rects[i]);
        drawPath(path);
    }
}

void EmfPaintEngine::drawEllipse(const QRectF& rect) {
    QPainterPath path;
    path.addEllipse(rect);
    drawPath(path);
}

void EmfPaintEngine::selectFont(const QFont& font, double scale, int escapement) {
    const double pixels =
        font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * EmfPaintDevice::kDpi / 72.0;
    const std::int32_t height = -std::max(1, clampUnit(pixels * scale));
    const QString family = font.family().left(U_LF_FACESIZE - 1);
    const QString key = QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                            .arg(family)
                            .arg(height)
                            .arg(font.weight())
                            .arg(font.italic())
                            .arg(font.underline())
                            .arg(font.strikeOut())
                            .arg(escapement);
    if (selectedFont_.handle && selectedFont_.key == key) return;
    std::vector<std::uint16_t> face = utf16(family);
    face.resize(U_LF_FACESIZE, 0);
    const U_LOGFONT logfont = logfont_set(
        height, 0, escapement, escapement, static_cast<std::int32_t>(font.weight()), font.italic(),
        font.underline(), font.strikeOut(), U_DEFAULT_CHARSET, U_OUT_DEFAULT_PRECIS,
        U_CLIP_DEFAULT_PRECIS, U_ANTIALIASED_QUALITY, U_DEFAULT_PITCH | U_FF_SWISS, face.data());
    std::uint32_t handle = 0;
    append(extcreatefontindirectw_set(&handle, handles_.get(),
                                      reinterpret_cast<const char*>(&logfont), nullptr));
    append(selectobject_set(handle, handles_.get()));
    if (selectedFont_.handle) append(deleteobject_set(&selectedFont_.handle, handles_.get()));
    selectedFont_ = {handle, key};
}

void EmfPaintEngine::drawTextItem(const QPointF& p, const QTextItem& textItem) {
    const QString text = textItem.text();
    if (failed_ || text.isEmpty()) return;
    applyClip();
    const QFont font = textItem.font();
    const double scale = transformScale(transform_);
    // Escapement in tenths of a degree, counter-clockwise as seen on the page (y down).
    const double degrees =
        std::atan2(transform_.m12(), transform_.m11()) * 180.0 / std::numbers::pi;
    const int escapement = static_cast<int>(std::lround(-degrees * 10.0));
    selectFont(font, scale, escapement);
    const QColor color = plainColor(pen_.brush());
    if (color != textColor_) append(U_EMRSETTEXTCOLOR_set(colorRef(color)));
    textColor_ = color;

    // Advances of each UTF-16 unit in device units, rounded on the running sum so that the
    // string keeps its width.
    const QFontMetricsF metrics(font, device_);
    std::vector<std::uint32_t> dx(static_cast<std::size_t>(text.size()), 0);
    std::int32_t placed = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isLowSurrogate()) continue;
        const qsizetype units = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const double right = metrics.horizontalAdvance(text.left(i + units)) * scale;
        const std::int32_t edge = clampUnit(right);
        dx[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(std::max(0, edge - placed));
        placed = std::max(placed, edge);
    }
    std::vector<std::uint16_t> units = utf16(text);
    const QRectF box(p.x(), p.y() - textItem.ascent(), textItem.width(),
                     textItem.ascent() + textItem.descent());
    const MallocPtr<char> emrText(emrtext_set(map(p), static_cast<U_NUM_STR>(units.size()), 2,
                                              units.data(), U_ETO_NONE, kNoBounds, dx.data()));
    if (!emrText) {
        failed_ = true;
        return;
    }
    append(U_EMREXTTEXTOUTW_set(mapBounds(box), U_GM_COMPATIBLE, 1.0f, 1.0f,
                                reinterpret_cast<PU_EMRTEXT>(emrText.get())));
}

void EmfPaintEngine::drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& sr) {
    drawImage(r, pixmap.toImage(), sr);
}

void EmfPaintEngine::drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                               Qt::ImageConversionFlags) {
    if (failed_ || image.isNull() || r.isEmpty()) return;
    applyClip();
    // Bottom-up 32-bit rows, composed over white since the record has no transparency.
    const QImage part = image.copy(sr.toAlignedRect());
    // A record holds at most 4 GB; a chart draws far smaller pictures than this limit.
    if (part.isNull() || static_cast<double>(part.width()) * part.height() * 4 > kMaxPictureBytes)
        return;
    QImage rgb(part.size(), QImage::Format_RGB32);
    rgb.fill(Qt::white);
    {
        QPainter compose(&rgb);
        compose.drawImage(0, 0, part);
    }
    rgb = rgb.mirrored(false, true);
    const std::int32_t w = rgb.width(), h = rgb.height();
    const std::uint32_t bytes = static_cast<std::uint32_t>(w) * static_cast<std::uint32_t>(h) * 4;
    std::vector<char> pixels(bytes);
    for (int y = 0; y < h; ++y)
        std::memcpy(pixels.data() + static_cast<std::size_t>(y) * w * 4, rgb.constScanLine(y),
                    static_cast<std::size_t>(w) * 4);
    const U_BITMAPINFOHEADER header =
        bitmapinfoheader_set(w, h, 1, 32, U_BI_RGB, bytes, 0, 0, 0, 0);
    const MallocPtr<U_BITMAPINFO> info(bitmapinfo_set(header, nullptr));
    const U_RECTL bounds = mapBounds(r);
    append(U_EMRSTRETCHDIBITS_set(bounds, U_POINTL{bounds.left, bounds.top},
                                  U_POINTL{bounds.right - bounds.left, bounds.bottom - bounds.top},
                                  U_POINTL{0, 0}, U_POINTL{w, h}, U_DIB_RGB_COLORS, U_SRCCOPY,
                                  info.get(), bytes, pixels.data()));
}
