#include "app/HelpViewer.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages are compiled into a static library: nothing else refers to them, so the linker
// would leave them out of the program unless they are registered here.
static void registerHelpPages() {
    Q_INIT_RESOURCE(help);
}

namespace {
// The folder of the pages, with its trailing slash: the English pages stand in the top one.
QString pageFolder = QStringLiteral("/help/");
}  // namespace

void HelpViewer::setPageLanguage(const QString& language) {
    pageFolder = language.isEmpty() ? QStringLiteral("/help/") : "/help/" + language + "/";
}

QString HelpViewer::contentsPage() {
    return "qrc:" + pageFolder + "index.html";
}

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent), home_(parent) {
    registerHelpPages();
    setObjectName("helpViewer");
    setWindowTitle(QCoreApplication::translate("HelpViewer", "Orvan Help"));
    setModal(false);
    resize(720, 560);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpBrowser");
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    browser_->setSearchPaths({":/help"});

    auto* contents =
        new QPushButton(QCoreApplication::translate("HelpViewer", "&Contents", "btContents"), this);
    contents->setObjectName("btContents");
    auto* back =
        new QPushButton(QCoreApplication::translate("HelpViewer", "&Back", "btBack"), this);
    back->setObjectName("btBack");
    back->setEnabled(false);
    for (QPushButton* button : {contents, back}) button->setAutoDefault(false);
    connect(contents, &QPushButton::clicked, this,
            [this] { browser_->setSource(QUrl(contentsPage())); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QCoreApplication::translate("HelpViewer", "Orvan Help")
                                       : title);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

QList<int> HelpViewer::contextNumbers() {
    return {21, 22, 31, 32, 41, 42};
}

QString HelpViewer::pageFor(int contextNumber) {
    const QString page = pageFolder + QString::number(contextNumber) + ".html";
    if (QFile::exists(":" + page)) return "qrc:" + page;
    return contentsPage();
}

void HelpViewer::showContents() {
    open(contentsPage());
}
void HelpViewer::showContext(int contextNumber) {
    open(pageFor(contextNumber));
}

void HelpViewer::open(const QString& page) {
    // While a dialog is shown modally every other window is blocked; the help opened from it
    // is made the dialog's own window so that it can be read and scrolled. Without a modal
    // dialog it goes back to its first owner.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* owner = modal && modal != this ? modal : home_.data();
    if (owner && parentWidget() != owner) setParent(owner, windowFlags() | Qt::Dialog);
    browser_->setSource(QUrl(page));
    show();
    raise();
    activateWindow();
}

QUrl HelpViewer::currentPage() const {
    return browser_->source();
}
