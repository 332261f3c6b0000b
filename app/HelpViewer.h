#pragma once
// The help viewer: HTML pages built into the program, opened at the contents page or at the
// page of a context number (21, 22, 31, 32, 41, 42).
#include <QDialog>

#include "app/AppContext.h"

class QTextBrowser;

class HelpViewer : public QDialog, public HelpService {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    void showContents() override;
    void showContext(int contextNumber) override;

    // The resource page of a context number; the contents page for an unknown number.
    static QString pageFor(int contextNumber);
    QUrl currentPage() const;

private:
    void open(const QString& page);
    QTextBrowser* browser_;
};
