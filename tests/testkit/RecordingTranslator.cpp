#include "RecordingTranslator.h"

#include <QMap>

QString RecordingTranslator::translate(const char* context, const char* source,
                                       const char* disambiguation, int) const {
    if (source && *source)
        lookups_.insert({QString::fromUtf8(context), QString::fromUtf8(source),
                         QString::fromUtf8(disambiguation)});
    return {};
}

namespace {
QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}
}  // namespace

QString untranslatedAsTs(const QSet<TextLookup>& lookups, const QTranslator& table) {
    QMap<QString, QMap<QString, TextLookup>> byContext;
    for (const TextLookup& lookup : lookups) {
        const QByteArray c = lookup.context.toUtf8(), s = lookup.source.toUtf8(),
                         n = lookup.component.toUtf8();
        if (!table.translate(c, s, lookup.component.isEmpty() ? nullptr : n.constData()).isEmpty())
            continue;
        byContext[lookup.context].insert(lookup.source + QChar(0) + lookup.component, lookup);
    }
    QString out;
    for (auto context = byContext.cbegin(); context != byContext.cend(); ++context) {
        out += QStringLiteral("<context>\n    <name>%1</name>\n").arg(escaped(context.key()));
        for (const TextLookup& lookup : context.value()) {
            out += QStringLiteral("    <message>\n        <source>%1</source>\n")
                       .arg(escaped(lookup.source));
            if (!lookup.component.isEmpty())
                out += QStringLiteral("        <comment>%1</comment>\n")
                           .arg(escaped(lookup.component));
            out += QStringLiteral(
                "        <translation type=\"unfinished\"></translation>\n"
                "    </message>\n");
        }
        out += QStringLiteral("</context>\n");
    }
    return out;
}
