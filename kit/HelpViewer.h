#pragma once
// The help viewer: HTML pages built into the program, opened at the contents page or at the
// page of a context number (21, 22, 31, 32, 41, 42, 43, 44).
#include <QDialog>
#include <QPointer>

#include "kit/AppContext.h"

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

    // Where the viewer's outer frame goes beside a dialog's outer frame on a screen: right of
    // it, else left of it, else narrowed to the wider side (down to `minWidth`), level with its
    // top as far as the screen allows; else above or below it, where there is more room.
    static QRect besideRect(const QRect& dialog, const QSize& wanted, const QRect& screen,
                            int minWidth);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open(const QString& page);
    void placeBeside(const QWidget* dialog);
    QTextBrowser* browser_;
    QPointer<QWidget> home_;  // the owner given at creation
};
