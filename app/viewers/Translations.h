#pragma once
// The interface-language table: the program's interface texts pass through Qt's translation
// system (context = window class, disambiguation = component name). The table is built into
// the program; English is its one translation and is installed at start-up, before any
// window is created.
class QApplication;
class QTranslator;

void installTranslations(QApplication& application);
// The translator installed by installTranslations (null before).
const QTranslator* interfaceTranslator();
