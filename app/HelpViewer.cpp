#include "app/HelpViewer.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent) {
    setObjectName("helpViewer");
    setWindowTitle(tr("Orvan Help"));
    setModal(false);
    resize(720, 560);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpBrowser");
    browser_->setOpenLinks(true);
    browser_->setSearchPaths({":/help"});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

QString HelpViewer::pageFor(int contextNumber) {
    QString page = QStringLiteral("qrc:/help/%1.html").arg(contextNumber);
    if (QFile::exists(QStringLiteral(":/help/%1.html").arg(contextNumber))) return page;
    return QStringLiteral("qrc:/help/index.html");
}

void HelpViewer::showContents() { open(QStringLiteral("qrc:/help/index.html")); }
void HelpViewer::showContext(int contextNumber) { open(pageFor(contextNumber)); }

void HelpViewer::open(const QString& page) {
    browser_->setSource(QUrl(page));
    show();
    raise();
    activateWindow();
}

QUrl HelpViewer::currentPage() const { return browser_->source(); }
