#include "correction/CorrectionDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/LocaleNumberFormat.h"
#include "kit/Messages.h"
#include "correction/calc/CorrectionCalc.h"

namespace corr = orvan::correction;

CorrectionDialog::CorrectionDialog(AppContext& app, QWidget* parent) : FormPagesDialog(app, parent) {
    buildFrom(corr::correctionDialog(), kForm);
}

void CorrectionDialog::buildFields(QWidget* widget, QVBoxLayout* layout,
                                   const orvan::FormPage& page) {
    std::vector<orvan::FieldGroup> groups = page.groups;
    if (groups.empty()) groups.push_back({{}, page.fields.size()});
    std::size_t next = 0;
    for (const orvan::FieldGroup& group : groups) {
        QWidget* holder = widget;
        auto* form = new QFormLayout;
        form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        if (!group.headingLines.empty()) {
            auto* box = new QGroupBox(widget);
            auto* boxLayout = new QVBoxLayout(box);
            const QString name = labelName();
            auto* heading = new QLabel(
                translated(orvan::joinLines(group.headingLines, '\n'), toCore(name)), box);
            heading->setObjectName(name);
            boxLayout->addWidget(heading);
            boxLayout->addLayout(form);
            layout->addWidget(box);
            holder = box;
        } else {
            layout->addLayout(form);
        }
        for (std::size_t i = 0; i < group.fieldCount; ++i) {
            const orvan::Field& field = page.fields.at(next++);
            const QString name = fromCore(field.name);
            auto* edit = new QLineEdit(holder);
            edit->setObjectName(name);
            auto* label = new QLabel(
                translated(orvan::joinLines(field.captionLines, '\n'), field.name), holder);
            label->setObjectName(labelName());
            label->setBuddy(edit);
            form->addRow(label, edit);
            fields_.insert(name, edit);
        }
    }
}

QString CorrectionDialog::labelName() {
    return QStringLiteral("Label%1").arg(++labelCount_);
}

void CorrectionDialog::setFieldText(const QString& name, const QString& text) {
    if (QLineEdit* edit = fields_.value(name)) edit->setText(text);
}

orvan::FieldTexts CorrectionDialog::pageTexts() const {
    orvan::FieldTexts texts;
    for (const auto& field : shownPage().fields)
        texts[field.name] = toCore(fields_.value(fromCore(field.name))->text());
    return texts;
}

void CorrectionDialog::runAction() {
    if (selectedPage() == 0)
        correctStrength();
    else
        correctAggregates();
}

void CorrectionDialog::correctStrength() {
    const auto outcome = corr::runStrengthCorrection(pageTexts(), numberFormat());
    if (!outcome.ok()) return showOutcome(this, outcome);
    if (DocumentArea* documents = app().documents())
        documents->publishReport([](int n) { return fromCore(corr::strengthReportTitle(n)); },
                                 outcome.lines);
}

void CorrectionDialog::correctAggregates() {
    const auto outcome = corr::runAggregateCorrection(pageTexts(), numberFormat());
    if (!outcome.ok()) return showOutcome(this, outcome);
    if (DocumentArea* documents = app().documents())
        documents->publishReport([](int n) { return fromCore(corr::aggregateReportTitle(n)); },
                                 outcome.lines);
}
