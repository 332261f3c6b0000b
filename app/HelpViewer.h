#pragma once
// The help viewer: HTML pages built into the program, opened at the contents page or at the
// page of a context number (21, 22, 31, 32, 41, 42).
#include <QDialog>
#include <QPointer>

#include "app/AppContext.h"

class QTextBrowser;

class HelpViewer : public QDialog, public HelpService {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    void showContents() override;
    void showContext(int contextNumber) override;

    // The resource page of a context number; the contents page for an unknown number. The
    // pages are in the interface's language: "" for English, "ru" for the Russian pages.
    static QString pageFor(int contextNumber);
    static QString contentsPage();
    static void setPageLanguage(const QString& language);
    // The context numbers that have pages of their own.
    static QList<int> contextNumbers();
    QUrl currentPage() const;
    QTextBrowser* browser() const { return browser_; }

private:
    void open(const QString& page);
    QTextBrowser* browser_;
    QPointer<QWidget> home_;  // the owner given at creation
};
