#include "correction/CorrectionDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "app/DocumentArea.h"
#include "app/Messages.h"
#include "correction/calc/CorrectionCalc.h"

namespace corr = orvan::correction;

namespace {

QString joinLines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& line : lines) out << fromCore(line);
    return out.join(QLatin1Char('\n'));
}

}  // namespace

CorrectionDialog::CorrectionDialog(AppContext& app, QWidget* parent) : OrvanDialog(app, parent) {
    setObjectName("correction");
    setWindowTitle(QCoreApplication::translate(kForm, "Correction concrete mixture"));
    auto* layout = new QVBoxLayout(this);
    page = new QTabWidget(this);
    page->setObjectName("page");
    layout->addWidget(page);
    const corr::PageLayout* layouts[] = {&corr::strengthPage(), &corr::aggregatePage()};
    for (const corr::PageLayout* pageLayout : layouts) {
        page->addTab(buildPage(*pageLayout),
                     QCoreApplication::translate(kForm, pageLayout->caption.c_str(),
                                                 pageLayout->name.c_str()));
    }
    // Both tab captions shown whole: the tabs are never scrolled to, as they never switch.
    page->tabBar()->setUsesScrollButtons(false);
    connect(page, &QTabWidget::currentChanged, this, &CorrectionDialog::refuseUserSwitch);
    selectPage(0);
}

QWidget* CorrectionDialog::buildPage(const corr::PageLayout& layout) {
    auto* widget = new QWidget(this);
    widget->setObjectName(fromCore(layout.name));
    setHelpContext(widget, layout.helpContext);
    auto* pageLayout = new QVBoxLayout(widget);
    for (const auto& group : layout.groups) addGroup(pageLayout, widget, group);
    pageLayout->addStretch(1);

    const int index = page->count();
    firstFields_[index] = fields_.value(fromCore(layout.groups.front().fields.front().name));
    const char* actionName = layout.actionName.c_str();
    okButtons_[index] = makeActionButton(QCoreApplication::translate(kForm, "OK", actionName),
                                         fromCore(layout.actionName));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButtons_[index]);
    buttons->addWidget(makeCloseButton(fromCore(layout.closeName)));
    pageLayout->addLayout(buttons);
    return widget;
}

void CorrectionDialog::addGroup(QVBoxLayout* pageLayout, QWidget* pageWidget,
                                const corr::FieldGroup& group) {
    QWidget* holder = pageWidget;
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    if (!group.headingLines.empty()) {
        auto* box = new QGroupBox(pageWidget);
        auto* boxLayout = new QVBoxLayout(box);
        const QString name = labelName();
        auto* heading = new QLabel(
            QCoreApplication::translate(kForm, joinLines(group.headingLines).toUtf8().constData(),
                                        name.toUtf8().constData()),
            box);
        heading->setObjectName(name);
        boxLayout->addWidget(heading);
        boxLayout->addLayout(form);
        pageLayout->addWidget(box);
        holder = box;
    } else {
        pageLayout->addLayout(form);
    }
    for (const auto& field : group.fields) {
        const QString name = fromCore(field.name);
        auto* edit = new QLineEdit(holder);
        edit->setObjectName(name);
        const QString labelText = QCoreApplication::translate(
            kForm, joinLines(field.captionLines).toUtf8().constData(), field.name.c_str());
        auto* label = new QLabel(labelText, holder);
        label->setObjectName(labelName());
        label->setBuddy(edit);
        form->addRow(label, edit);
        fields_.insert(name, edit);
    }
}

QString CorrectionDialog::labelName() {
    return QStringLiteral("Label%1").arg(++labelCount_);
}

void CorrectionDialog::selectPage(int index) {
    if (index < 0 || index >= page->count()) return;
    selected_ = index;
    {
        const QSignalBlocker blocker(page);
        page->setCurrentIndex(index);
    }
    // Enter runs the OK button of the page on show; the other page's button is hidden.
    okButtons_[index]->setDefault(true);
    // F1 outside the page's own controls (on the tab bar) opens the topic of the page too.
    setHelpContext(this, OrvanDialog::helpContextFor(page->widget(index)));
}

void CorrectionDialog::setFieldText(const QString& name, const QString& text) {
    if (QLineEdit* edit = fields_.value(name)) edit->setText(text);
}

bool CorrectionDialog::pageChanging(int) const {
    return false;
}

// Every way the user can change the tab (click, wheel, Ctrl+Tab, arrows) ends here; the
// change is asked for and, refused, undone before anything is painted.
void CorrectionDialog::refuseUserSwitch(int index) {
    if (index == selected_) return;
    if (pageChanging(index)) {
        selected_ = index;
        return;
    }
    const QSignalBlocker blocker(page);
    page->setCurrentIndex(selected_);
}

void CorrectionDialog::showEvent(QShowEvent* event) {
    OrvanDialog::showEvent(event);
    // The first field of the page takes the focus unless the user left it inside the page.
    QWidget* focus = focusWidget();
    if (!focus || !page->currentWidget()->isAncestorOf(focus)) firstFields_[selected_]->setFocus();
}

orvan::FieldTexts CorrectionDialog::pageTexts(const corr::PageLayout& layout) const {
    orvan::FieldTexts texts;
    for (const auto& group : layout.groups)
        for (const auto& field : group.fields)
            texts[field.name] = toCore(fields_.value(fromCore(field.name))->text());
    return texts;
}

void CorrectionDialog::runAction() {
    if (selected_ == 0)
        correctStrength();
    else
        correctAggregates();
}

void CorrectionDialog::correctStrength() {
    const auto outcome = corr::runStrengthCorrection(pageTexts(corr::strengthPage()));
    if (!outcome.ok()) return showOutcome(this, outcome);
    if (DocumentArea* documents = app().documents())
        documents->publishReport([](int n) { return fromCore(corr::strengthReportTitle(n)); },
                                 outcome.lines);
}

void CorrectionDialog::correctAggregates() {
    const auto outcome = corr::runAggregateCorrection(pageTexts(corr::aggregatePage()));
    if (!outcome.ok()) return showOutcome(this, outcome);
    if (DocumentArea* documents = app().documents())
        documents->publishReport([](int n) { return fromCore(corr::aggregateReportTitle(n)); },
                                 outcome.lines);
}
