#include "kit/DocumentArea.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <algorithm>

#include "kit/AppContext.h"
#include "kit/TextWindow.h"

DocumentArea::DocumentArea(AppContext& app, QWidget* parent) : QMdiArea(parent), app_(app) {
    setObjectName("ClientArea");
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

TextWindow* DocumentArea::createDocument(const TitlePattern& title) {
    auto* document = new TextWindow(app_);
    QMdiSubWindow* sub = addSubWindow(document);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // The window menu's items carry the platform's close keys in every window at once, which
    // makes them ambiguous; Ctrl+F4 belongs to the main window.
    if (QMenu* menu = sub->systemMenu())
        for (QAction* action : menu->actions()) action->setShortcutContext(Qt::WidgetShortcut);
    ++WindowNumber;
    document->setWindowTitle(title(WindowNumber));
    // Each new window a title-bar height down and right from the previous one.
    const int step = cascadeStep();
    const QSize area = viewport()->size();
    QSize size(std::max(300, area.width() * 3 / 4), std::max(200, area.height() * 3 / 4));
    int offset = step * placementStep_;
    if (offset + size.width() > area.width() || offset + size.height() > area.height()) {
        placementStep_ = 0, offset = 0;
    }
    ++placementStep_;
    sub->setGeometry(offset, offset, size.width(), size.height());
    sub->show();
    setActiveSubWindow(sub);
    document->memo()->setFocus();
    emit documentCreated(document);
    return document;
}

TextWindow* DocumentArea::publishReport(const TitlePattern& title,
                                        const std::vector<std::string>& lines) {
    TextWindow* document = createDocument(title);
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) text.push_back(QString::fromStdString(line));
    document->setLines(text);
    return document;
}

TextWindow* DocumentArea::activeDocument() const {
    QMdiSubWindow* sub = activeSubWindow();
    return sub ? qobject_cast<TextWindow*>(sub->widget()) : nullptr;
}

QList<TextWindow*> DocumentArea::documents() const {
    QList<TextWindow*> out;
    for (QMdiSubWindow* sub : subWindowList(QMdiArea::CreationOrder))
        if (auto* document = qobject_cast<TextWindow*>(sub->widget())) out.push_back(document);
    return out;
}

int DocumentArea::cascadeStep() const {
    QStyleOptionTitleBar option;
    option.initFrom(this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this);
    const int frame = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    return title + frame;
}

void DocumentArea::cascadeDocuments() {
    auto subs = subWindowList(QMdiArea::CreationOrder);
    if (subs.isEmpty()) return;
    QMdiSubWindow* active = activeSubWindow();
    if (active && subs.removeOne(active)) subs.push_back(active);
    const QSize area = viewport()->size();
    const int step = std::max(1, cascadeStep());
    // Offsets start again at the top-left once a window would lose half the client area.
    const int levels = std::max(1, std::min(area.width(), area.height()) / 2 / step + 1);
    for (int i = 0; i < static_cast<int>(subs.size()); ++i) {
        const int offset = (i % levels) * step;
        QMdiSubWindow* sub = subs[i];
        if (sub->isMaximized() || sub->isMinimized()) sub->showNormal();
        sub->setGeometry(offset, offset, std::max(1, area.width() - offset),
                         std::max(1, area.height() - offset));
        sub->raise();
    }
    if (active) setActiveSubWindow(active);
}

void DocumentArea::tileDocuments() {
    const auto subs = subWindowList(QMdiArea::CreationOrder);
    if (subs.isEmpty()) return;
    const QSize area = viewport()->size();
    const int count = static_cast<int>(subs.size());
    int y = 0;
    for (int i = 0; i < count; ++i) {
        int h = area.height() / count + (i < area.height() % count ? 1 : 0);
        subs[i]->showNormal();
        subs[i]->setGeometry(0, y, area.width(), h);
        y += h;
    }
}

void DocumentArea::nextDocument() {
    if (!subWindowList().isEmpty()) activateNextSubWindow();
}

void DocumentArea::previousDocument() {
    if (!subWindowList().isEmpty()) activatePreviousSubWindow();
}

void DocumentArea::closeActiveDocument() {
    if (QMdiSubWindow* sub = activeSubWindow()) sub->close();
}

void DocumentArea::paintEvent(QPaintEvent* event) {
    // QMdiArea fills each exposed rectangle with the brush, which restarts an object-mode
    // gradient in every rectangle; filling the whole viewport under a clip keeps it whole.
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    painter.fillRect(viewport()->rect(), background());
}

void DocumentArea::scrollContentsBy(int dx, int dy) {
    QMdiArea::scrollContentsBy(dx, dy);
    viewport()->update();  // the background does not scroll with the windows
}
