#pragma once
// Reading an Enhanced Metafile back for tests: the records, libUEMF's checks of each, the
// life of every graphics object, and emf2svg's SVG.
#include <emf2svg.h>
#include <uemf.h>
#include <uemf_safe.h>

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <cstring>

struct EmfRecord {
    quint32 type;
    qsizetype offset;
    quint32 size;
};

struct EmfReading {
    QList<EmfRecord> records;
    QStringList faults;  // empty when every check passed
    QList<qint32> fontEscapements;
    QList<quint32> types() const {
        QList<quint32> out;
        for (const auto& r : records) out << r.type;
        return out;
    }
};

inline quint32 emfWord(const QByteArray& data, qsizetype offset) {
    quint32 value = 0;
    if (offset + 4 <= data.size()) std::memcpy(&value, data.constData() + offset, 4);
    return value;
}

// Walks the records: sizes, libUEMF's record checks, the header's totals, and that objects
// are created before use and never deleted while selected (here or in a saved state).
inline EmfReading readEmf(const QByteArray& data) {
    EmfReading reading;
    enum Kind { Pen, Brush, Font };
    QMap<quint32, Kind> alive;
    using Selection = QMap<Kind, quint32>;
    QList<Selection> saved;
    Selection current;
    auto selectedAnywhere = [&](quint32 handle) {
        for (const Selection& s : saved)
            if (s.values().contains(handle)) return true;
        return current.values().contains(handle);
    };
    qsizetype offset = 0;
    while (offset + 8 <= data.size()) {
        const quint32 type = emfWord(data, offset), size = emfWord(data, offset + 4);
        if (size < 8 || size % 4 || offset + size > data.size()) {
            reading.faults << QStringLiteral("bad size %1 at %2").arg(size).arg(offset);
            break;
        }
        if (!U_emf_record_safe(data.constData() + offset))
            reading.faults
                << QStringLiteral("record type %1 at %2 fails the check").arg(type).arg(offset);
        const quint32 handle = emfWord(data, offset + 8);
        switch (type) {
            case U_EMR_CREATEPEN:
            case U_EMR_EXTCREATEPEN:
            case U_EMR_CREATEBRUSHINDIRECT:
            case U_EMR_EXTCREATEFONTINDIRECTW:
                if (alive.contains(handle))
                    reading.faults << QStringLiteral("handle %1 reused alive").arg(handle);
                alive[handle] = type == U_EMR_CREATEPEN || type == U_EMR_EXTCREATEPEN ? Pen
                                : type == U_EMR_CREATEBRUSHINDIRECT                   ? Brush
                                                                                      : Font;
                if (type == U_EMR_EXTCREATEFONTINDIRECTW)
                    reading.fontEscapements << static_cast<qint32>(emfWord(data, offset + 20));
                break;
            case U_EMR_SELECTOBJECT:
                if (handle & U_STOCK_OBJECT) {
                    // Stock objects 0-5 are brushes, 6-8 pens, the rest fonts and a palette.
                    const quint32 index = handle & ~U_STOCK_OBJECT;
                    current.remove(index <= 5 ? Brush : index <= 8 ? Pen : Font);
                } else if (!alive.contains(handle)) {
                    reading.faults << QStringLiteral("select of unknown handle %1").arg(handle);
                } else {
                    current[alive[handle]] = handle;
                }
                break;
            case U_EMR_DELETEOBJECT:
                if (!alive.contains(handle))
                    reading.faults << QStringLiteral("delete of unknown handle %1").arg(handle);
                if (selectedAnywhere(handle))
                    reading.faults << QStringLiteral("delete of selected handle %1").arg(handle);
                alive.remove(handle);
                break;
            case U_EMR_SAVEDC:
                saved << current;
                break;
            case U_EMR_RESTOREDC:
                if (saved.isEmpty())
                    reading.faults << QStringLiteral("RESTOREDC without SAVEDC");
                else
                    current = saved.takeLast();
                break;
        }
        reading.records << EmfRecord{type, offset, size};
        offset += size;
    }
    if (offset != data.size()) reading.faults << QStringLiteral("trailing bytes");
    if (reading.records.isEmpty() || reading.records.front().type != U_EMR_HEADER)
        reading.faults << QStringLiteral("no header record first");
    else {
        if (emfWord(data, 40) != U_ENHMETA_SIGNATURE)
            reading.faults << QStringLiteral("no EMF signature");
        if (emfWord(data, 48) != static_cast<quint32>(data.size()))
            reading.faults << QStringLiteral("nBytes wrong");
        if (emfWord(data, 52) != static_cast<quint32>(reading.records.size()))
            reading.faults << QStringLiteral("nRecords wrong");
    }
    if (reading.records.isEmpty() || reading.records.back().type != U_EMR_EOF)
        reading.faults << QStringLiteral("no EOF record last");
    if (!saved.isEmpty()) reading.faults << QStringLiteral("SAVEDC left open");
    return reading;
}

// emf2svg's reading of the file; empty when it refused it.
inline QString emfToSvg(const QByteArray& data) {
    generatorOptions options{};
    // No name-space prefix: with one, emf2svg closes some elements without it.
    char nameSpace[] = "";
    options.nameSpace = nameSpace;
    options.svgDelimiter = true;
    char* out = nullptr;
    size_t length = 0;
    QByteArray copy = data;
    const int ok = emf2svg(copy.data(), static_cast<size_t>(copy.size()), &out, &length, &options);
    QString svg =
        ok == 1 && out ? QString::fromUtf8(out, static_cast<qsizetype>(length)) : QString();
    std::free(out);
    return svg;
}
