#include "kit/HelpViewer.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

#include "common/HelpTopic.h"

// The pages are compiled into a static library: nothing else refers to them, so the linker
// would leave them out of the program unless they are registered here.
static void registerHelpPages() {
    Q_INIT_RESOURCE(help);
}

namespace {
constexpr int kMinimumWidth = 240;   // pixels: never narrower, whatever the page needs
constexpr int kMinimumHeight = 200;  // pixels: above or below a dialog, a few lines at least
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
            kHelpQualityControl,       kHelpJournal};
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
    browser_->setSource(QUrl(page));
    if (owner && parentWidget() != owner) {
        setParent(owner, windowFlags() | Qt::Dialog);
        if (owner != home_) {
            placeBeside(owner);  // the dialog stays readable beside the help
            owner->installEventFilter(this);
        }
    }
    show();
    raise();
    activateWindow();
}

QRect HelpViewer::besideRect(const QRect& dialog, const QSize& wanted, const QRect& screen,
                             int minWidth) {
    const int rightRoom = screen.right() - dialog.right();
    const int leftRoom = dialog.left() - screen.left();
    const int height = std::min(wanted.height(), screen.height());
    const int y = std::clamp(dialog.top(), screen.top(), screen.bottom() + 1 - height);
    auto beside = [&](bool right, int width) {
        const int x = right ? std::min(dialog.right() + 1, screen.right() + 1 - width)
                            : std::max(dialog.left() - width, screen.left());
        return QRect(x, y, width, height);
    };
    if (rightRoom >= wanted.width()) return beside(true, wanted.width());
    if (leftRoom >= wanted.width()) return beside(false, wanted.width());
    const bool right = rightRoom >= leftRoom;
    const int sideRoom = std::max(rightRoom, leftRoom);
    if (sideRoom >= minWidth) return beside(right, sideRoom);  // narrower, still clear of it
    // Above or below, on the side with more room, as high as that room allows.
    const int belowRoom = screen.bottom() - dialog.bottom();
    const int aboveRoom = dialog.top() - screen.top();
    const int minHeight = std::min(wanted.height(), kMinimumHeight);
    const int width = std::min(wanted.width(), screen.width());
    const int x = std::clamp(dialog.left(), screen.left(), screen.right() + 1 - width);
    if (std::max(belowRoom, aboveRoom) >= minHeight) {
        const bool below = belowRoom >= aboveRoom;
        const int h = std::min(wanted.height(), below ? belowRoom : aboveRoom);
        return {x, below ? dialog.bottom() + 1 : dialog.top() - h, width, h};
    }
    // No room anywhere: the least overlap, at the smallest width.
    return beside(right, std::min(minWidth, screen.width()));
}

void HelpViewer::placeBeside(const QWidget* dialog) {
    const QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // The window manager's frame is known once the viewer has been shown.
    const QSize frame = frameGeometry().size() - geometry().size();
    // Narrowed beside one dialog, it takes its own width again beside the next.
    const QSize wanted(std::max(width(), kFirstSize.width()), height());
    // As narrow as the page's longest word or widest table, with the scroll bar and margins.
    std::unique_ptr<QTextDocument> page(browser_->document()->clone());
    page->setTextWidth(0);
    const int textNeeds = int(std::ceil(page->idealWidth())) + 2 * browser_->frameWidth() +
                          browser_->verticalScrollBar()->sizeHint().width() + 2 * 4;
    const int minWidth = std::max({kMinimumWidth, textNeeds, minimumSizeHint().width()});
    const QRect outer = besideRect(dialog->frameGeometry(), wanted + frame,
                                   screen->availableGeometry(), minWidth + frame.width());
    resize(outer.size() - frame);
    move(outer.topLeft());
}

// When the dialog that owns the viewer closes, the viewer goes back to its first owner where it
// stands: left with a hidden owner it sank behind the maximised main window.
bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == parentWidget() && watched != home_.data()) {
        watched->removeEventFilter(this);
        if (home_ && isVisible()) {
            const QRect shown = geometry();
            setParent(home_, windowFlags() | Qt::Dialog);
            setGeometry(shown);
            show();
            raise();
        }
    }
    return QDialog::eventFilter(watched, event);
}

QUrl HelpViewer::currentPage() const {
    return browser_->source();
}
