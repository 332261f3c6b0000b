#pragma once
// Lists every interface text the program looks up: installed after the real table, it is
// asked first, remembers (context, source, component) and answers nothing, so the lookup goes
// on to the real table.
#include <QSet>
#include <QString>
#include <QTranslator>

struct TextLookup {
    QString context;
    QString source;
    QString component;  // the disambiguation; empty for a window's own caption
    bool operator==(const TextLookup& other) const {
        return context == other.context && source == other.source && component == other.component;
    }
};
inline size_t qHash(const TextLookup& key, size_t seed = 0) {
    return qHashMulti(seed, key.context, key.source, key.component);
}

class RecordingTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
    const QSet<TextLookup>& lookups() const { return lookups_; }
    void clear() { lookups_.clear(); }

private:
    mutable QSet<TextLookup> lookups_;
};

// The lookups that `table` leaves without a translation of their own, as .ts <context>
// blocks ready to be filled in, sorted by context and source.
QString untranslatedAsTs(const QSet<TextLookup>& lookups, const QTranslator& table);
