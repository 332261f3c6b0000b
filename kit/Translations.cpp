#include "kit/Translations.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "common/ReportLanguage.h"
#include "kit/HelpViewer.h"

namespace {
QTranslator* installed = nullptr;
orvan::InterfaceLanguage installedLanguage = orvan::InterfaceLanguage::English;

constexpr const char* kLanguageKey = "interface/language";

QSettings userSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvan"),
                     QStringLiteral("Orvan"));
}

std::string environment(const char* name) {
    return qEnvironmentVariable(name).toStdString();
}
}  // namespace

orvan::InterfaceLanguage languageForThisRun(const QStringList& arguments) {
    orvan::LanguageSources sources;
    for (const QString& argument : arguments) sources.arguments.push_back(argument.toStdString());
    sources.stored = storedLanguageChoice().toStdString();
    sources.lcAll = environment("LC_ALL");
    sources.lcMessages = environment("LC_MESSAGES");
    sources.lang = environment("LANG");
    return orvan::chooseInterfaceLanguage(sources);
}

void installTranslations(QApplication& application) {
    installTranslations(application, languageForThisRun(QApplication::arguments()));
}

void installTranslations(QApplication& application, orvan::InterfaceLanguage language) {
    // The reports speak the interface's language.
    orvan::setReportLanguage(language);
    if (installed && installedLanguage == language) return;
    const QString code = QString::fromLatin1(orvan::languageCode(language));
    auto* translator = new QTranslator(&application);
    // The locale is named explicitly: the table follows the chosen language, never the
    // user's locale by itself.
    if (!translator->load(QLocale(code), QStringLiteral("orvan"), QStringLiteral("_"),
                          QStringLiteral(":/i18n"))) {
        delete translator;
        return;
    }
    if (installed) {
        QApplication::removeTranslator(installed);
        delete installed;
    }
    QApplication::installTranslator(translator);
    installed = translator;
    installedLanguage = language;
    HelpViewer::setPageLanguage(language == orvan::InterfaceLanguage::Russian ? code : QString());
}

const QTranslator* interfaceTranslator() {
    return installed;
}

orvan::InterfaceLanguage interfaceLanguage() {
    return installedLanguage;
}

void storeLanguageChoice(orvan::InterfaceLanguage language) {
    userSettings().setValue(kLanguageKey, QString::fromLatin1(orvan::languageCode(language)));
}

QString storedLanguageChoice() {
    return userSettings().value(kLanguageKey).toString();
}
