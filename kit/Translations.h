#pragma once
// The interface-language table: the program's interface texts pass through Qt's translation
// system (context = window class, disambiguation = component name). The tables are built into
// the program: English (the windows' own texts) and Russian. One of them is installed at
// start-up, before any window is created, and stays for the whole run.
#include <QStringList>

#include "common/InterfaceLanguage.h"

class QApplication;
class QTranslator;

// The language of this run: "--lang=en|ru" among `arguments`, else the Help menu's stored
// choice, else the locale (LC_ALL, LC_MESSAGES, LANG).
orvan::InterfaceLanguage languageForThisRun(const QStringList& arguments);

// Installs the table of languageForThisRun(application's arguments), or of `language`. A
// second call with the same language installs nothing more; another language replaces it.
void installTranslations(QApplication& application);
void installTranslations(QApplication& application, orvan::InterfaceLanguage language);
// The translator installed by installTranslations (null before), and its language.
const QTranslator* interfaceTranslator();
orvan::InterfaceLanguage interfaceLanguage();

// The Help menu's choice, kept in the user's settings for the next start ("" when none).
void storeLanguageChoice(orvan::InterfaceLanguage language);
QString storedLanguageChoice();
