// Start-up: the application title, the help, the main window (with the splash meanwhile),
// then every other window in its fixed order, hidden; then the event loop.
#include <QApplication>
#include <QPointer>

#include "kit/Translations.h"
#include "shell/MainWindow.h"
#include "shell/Splash.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvan-6.4");
    installTranslations(application);

    QPointer<SplashWindow> splash;
    if (splashWanted(application.arguments())) {
        splash = new SplashWindow(splashImage(QApplication::applicationFilePath()));
        splash->show();
        QApplication::processEvents();
    }
    MainWindow mainWindow;
    mainWindow.createWindows();
    mainWindow.showMaximized();
    if (splash) splash->raise();
    // For measuring start-up from outside: quit as soon as the main window is up.
    if (qEnvironmentVariableIsSet("ORVAN_QUIT_AFTER_START"))
        QMetaObject::invokeMethod(&application, &QApplication::quit, Qt::QueuedConnection);
    return application.exec();
}
