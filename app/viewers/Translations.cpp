#include "app/viewers/Translations.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

namespace {
QTranslator* installed = nullptr;
}

void installTranslations(QApplication& application) {
    if (installed) return;
    auto* translator = new QTranslator(&application);
    // The language is fixed: English, whatever the user's locale.
    if (!translator->load(QLocale(QStringLiteral("en")), QStringLiteral("orvan"),
                          QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete translator;
        return;
    }
    QApplication::installTranslator(translator);
    installed = translator;
}

const QTranslator* interfaceTranslator() {
    return installed;
}
