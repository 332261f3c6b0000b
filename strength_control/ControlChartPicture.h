#pragma once
// Writing the control chart to a picture file: the format follows the file name (".bmp",
// ".ico", ".png", ".svg"; every other name an Enhanced Metafile). The file is written whole
// or not at all: into a temporary file beside it, renamed over it at the end.
#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "common/Outcome.h"

class QGraphicsScene;

// The scene's `source` rectangle as an Enhanced Metafile, one unit per pixel.
QByteArray renderChartEmf(QGraphicsScene& scene, const QRectF& source);

// Writes the picture; failed with the reason, the file untouched, when it could not.
orvan::Outcome<> writeChartPicture(QGraphicsScene& scene, const QRectF& source,
                                   const QString& fileName);

// The chart as a document: one A4 page, landscape, the title block's lines over the chart
// scaled to the rest of the page (vector drawing); failed with the reason, the file
// untouched, when it could not be written.
orvan::Outcome<> writeChartPage(QGraphicsScene& scene, const QRectF& source,
                                const QStringList& titleBlock, const QString& fileName);
