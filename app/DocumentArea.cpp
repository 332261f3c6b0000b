#include "app/DocumentArea.h"

#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QStyle>

#include "app/AppContext.h"
#include "app/fmMemo.h"

DocumentArea::DocumentArea(AppContext& app, QWidget* parent) : QMdiArea(parent), app_(app) {
    setObjectName("ClientArea");
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

TForm1* DocumentArea::createDocument(const TitlePattern& title) {
    auto* document = new TForm1(app_);
    QMdiSubWindow* sub = addSubWindow(document);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    ++WindowNumber;
    document->setWindowTitle(title(WindowNumber));
    // Each new window a title-bar height down and right from the previous one.
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4;
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

TForm1* DocumentArea::publishReport(const TitlePattern& title,
                                    const std::vector<std::string>& lines) {
    TForm1* document = createDocument(title);
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) text.push_back(QString::fromStdString(line));
    document->setLines(text);
    return document;
}

TForm1* DocumentArea::activeDocument() const {
    QMdiSubWindow* sub = activeSubWindow();
    return sub ? qobject_cast<TForm1*>(sub->widget()) : nullptr;
}

QList<TForm1*> DocumentArea::documents() const {
    QList<TForm1*> out;
    for (QMdiSubWindow* sub : subWindowList(QMdiArea::CreationOrder))
        if (auto* document = qobject_cast<TForm1*>(sub->widget())) out.push_back(document);
    return out;
}

void DocumentArea::cascadeDocuments() {
    if (!subWindowList().isEmpty()) cascadeSubWindows();
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
