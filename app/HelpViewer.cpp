#include "app/HelpViewer.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "common/HelpTopic.h"

// The pages are compiled into a static library: nothing else refers to them, so the linker
// would leave them out of the program unless they are registered here.
static void registerHelpPages() {
    Q_INIT_RESOURCE(help);
}

namespace {
constexpr int kMinimumWidth = 360;  // pixels: a page still reads at this width
constexpr QSize kFirstSize(720, 560);
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
    resize(kFirstSize);
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
    using namespace orvan;
    return {kHelpProportioningOptions, kHelpProportioning,  kHelpStrengthCorrection,
            kHelpAggregateCorrection,  kHelpAnalysedPeriod, kHelpControlledPeriod,
            kHelpQualityControl};
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
    if (owner && parentWidget() != owner) {
        setParent(owner, windowFlags() | Qt::Dialog);
        if (owner != home_) placeBeside(owner);  // the dialog stays readable beside the help
    }
    browser_->setSource(QUrl(page));
    show();
    raise();
    activateWindow();
}

QRect HelpViewer::besideRect(const QRect& dialog, const QSize& wanted, const QRect& screen,
                             int minWidth) {
    const int rightRoom = screen.right() - dialog.right();
    const int leftRoom = dialog.left() - screen.left();
    int width = wanted.width();
    bool right = true;
    if (rightRoom >= width) {
        right = true;
    } else if (leftRoom >= width) {
        right = false;
    } else {
        right = rightRoom >= leftRoom;
        width = std::max(minWidth, right ? rightRoom : leftRoom);
    }
    const int x = right ? std::min(dialog.right() + 1, screen.right() + 1 - width)
                        : std::max(dialog.left() - width, screen.left());
    const int height = std::min(wanted.height(), screen.height());
    const int y = std::clamp(dialog.top(), screen.top(), screen.bottom() + 1 - height);
    return {x, y, width, height};
}

void HelpViewer::placeBeside(const QWidget* dialog) {
    const QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // The window manager's frame is known once the viewer has been shown.
    const QSize frame = frameGeometry().size() - geometry().size();
    // Narrowed beside one dialog, it takes its own width again beside the next.
    const QSize wanted(std::max(width(), kFirstSize.width()), height());
    const QRect outer = besideRect(dialog->frameGeometry(), wanted + frame,
                                   screen->availableGeometry(), kMinimumWidth + frame.width());
    resize(outer.size() - frame);
    move(outer.topLeft());
}

QUrl HelpViewer::currentPage() const {
    return browser_->source();
}
