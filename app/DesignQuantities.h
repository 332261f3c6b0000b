#pragma once
// The design quantities a proportioning report window carries (as its report prints them),
// so that "Batch weights..." can fill the correction page from the active report.
#include <QVariant>
#include <QWidget>
#include <optional>

struct DesignQuantities {
    QString water;   // kg per cu m
    QString sand;    // kg per cu m
    QString coarse;  // kg per cu m
    QString cement;  // kg per cu m
    QString flyAsh;  // kg per cu m; empty without fly ash
};

inline void setDesignQuantities(QWidget* document, const DesignQuantities& q) {
    document->setProperty("designWater", q.water);
    document->setProperty("designSand", q.sand);
    document->setProperty("designCoarse", q.coarse);
    document->setProperty("designCement", q.cement);
    document->setProperty("designFlyAsh", q.flyAsh);
}

inline std::optional<DesignQuantities> designQuantities(const QWidget* document) {
    if (!document || !document->property("designWater").isValid()) return std::nullopt;
    return DesignQuantities{document->property("designWater").toString(),
                            document->property("designSand").toString(),
                            document->property("designCoarse").toString(),
                            document->property("designCement").toString(),
                            document->property("designFlyAsh").toString()};
}
