#include "strength_control/ControlledPeriodDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/HelpTopic.h"
#include "common/NumberText.h"
#include "kit/AppContext.h"
#include "strength_control/ControlledPeriodInputs.h"

namespace {

constexpr int kHelpContext = orvan::kHelpControlledPeriod;
// The spinner of the batch count: 1 to 10, starting at 3.
constexpr int kCountMin = 1, kCountMax = 10, kCountStart = 3;

}  // namespace

UpDown::UpDown(QLineEdit* associate, int min, int max, int position, QWidget* parent)
    : QWidget(parent), associate_(associate), min_(min), max_(max), position_(position) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(this);
    up->setObjectName("up");
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(this);
    down->setObjectName("down");
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up, down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(16, 11);
        layout->addWidget(button);
    }
    connect(up, &QToolButton::clicked, this, [this] { stepUp(); });
    connect(down, &QToolButton::clicked, this, [this] { stepDown(); });
    associate_->installEventFilter(this);
}

void UpDown::step(int delta) {
    // The field's own number counts when it is one within the range; otherwise the last
    // position stays (a spinner cannot stand outside its range).
    if (auto typed = orvan::tryTextToInt(associate_->text().toStdString());
        typed && *typed >= min_ && *typed <= max_)
        position_ = *typed;
    position_ += delta;
    if (position_ > max_) position_ = min_;
    if (position_ < min_) position_ = max_;
    associate_->setText(QString::number(position_));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

ControlledPeriodDialog::ControlledPeriodDialog(AppContext& app, ControlledPeriodInputs& inputs,
                                               QWidget* parent)
    : DialogBase(app, parent), inputs_(inputs) {
    setObjectName("fmPeriod_Control1");
    setWindowTitle(QCoreApplication::translate(
        kForm, "Statistical control of concrete strength. Controllable period."));
    setHelpContext(this, kHelpContext);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QFormLayout;
    edRy = makeField("edRy");
    top->addRow(new QLabel(QCoreApplication::translate(
                               kForm, "Enter average level of strength, MPa", "edRy"),
                           this),
                edRy);
    edCountParty = makeField("edCountParty");
    partyCountSpinner_ = new UpDown(edCountParty, kCountMin, kCountMax, kCountStart, this);
    partyCountSpinner_->setObjectName("UpDown1");
    auto* count = new QHBoxLayout;
    count->addWidget(edCountParty);
    count->addWidget(partyCountSpinner_);
    auto* countCaption = new QLabel(
        QCoreApplication::translate(kForm, "Enter quantity of controllable ", "edCountParty") +
            '\n' +
            QCoreApplication::translate(kForm, "industrial parties of concrete", "edCountParty"),
        this);
    countCaption->setBuddy(edCountParty);
    top->addRow(countCaption, count);
    layout->addLayout(top);

    auto addGroup = [&](const QString& caption, const char* name, const QString& topCaption,
                        QLineEdit* topField, const QString& bottomCaption, QLineEdit* bottomField) {
        auto* group = new QGroupBox(caption, this);
        group->setObjectName(name);
        auto* form = new QFormLayout(group);
        form->addRow(new QLabel(topCaption, group), topField);
        form->addRow(new QLabel(bottomCaption, group), bottomField);
        layout->addWidget(group);
    };
    edRpr1 = makeField("edRpr1");
    edRpr2 = makeField("edRpr2");
    addGroup(QCoreApplication::translate(kForm, "Enter limits of warning, MPa", "GroupBox1"),
             "GroupBox1", QCoreApplication::translate(kForm, "Top limit of warning:", "edRpr1"),
             edRpr1, QCoreApplication::translate(kForm, "Bottom limit of warning:", "edRpr2"),
             edRpr2);
    edRcor1 = makeField("edRcor1");
    edRcor2 = makeField("edRcor2");
    addGroup(QCoreApplication::translate(kForm, "Enter limits of correcting, MPa", "GroupBox2"),
             "GroupBox2", QCoreApplication::translate(kForm, "Top limit of correcting:", "edRcor1"),
             edRcor1, QCoreApplication::translate(kForm, "Bottom limit of correcting:", "edRcor2"),
             edRcor2);

    bbFromJournal_ = new QPushButton(
        QCoreApplication::translate(kForm, "From journal...", "bbFromJournal"), this);
    bbFromJournal_->setObjectName("bbFromJournal");
    bbFromJournal_->setAutoDefault(false);
    bbFromJournal_->hide();
    connect(bbFromJournal_, &QPushButton::clicked, this,
            &ControlledPeriodDialog::fillFromStoredPeriod);
    QHBoxLayout* buttons = makeButtonRow(QCoreApplication::translate(kForm, "OK", "BitBtn1"));
    buttons->insertWidget(0, bbFromJournal_);
    layout->addLayout(buttons);

    loadInputs();
    for (QLineEdit* field : fields())
        connect(field, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            inputs_.texts[field->objectName().toStdString()] = text.toStdString();
        });
}

QLineEdit* ControlledPeriodDialog::makeField(const char* name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    return field;
}

QList<QLineEdit*> ControlledPeriodDialog::fields() const {
    return {edRy, edCountParty, edRpr1, edRpr2, edRcor1, edRcor2};
}

// A field already showing its text is left alone, its cursor and undo history with it.
void ControlledPeriodDialog::loadInputs() {
    for (QLineEdit* field : fields()) {
        const auto it = inputs_.texts.find(field->objectName().toStdString());
        const QString text =
            it == inputs_.texts.end() ? QString() : QString::fromStdString(it->second);
        const QSignalBlocker block(field);
        if (field->text() != text) field->setText(text);
    }
}

void ControlledPeriodDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) loadInputs();
    DialogBase::showEvent(event);
}

void ControlledPeriodDialog::setStoredPeriodSource(StoredPeriodSource source) {
    storedPeriod_ = std::move(source);
    bbFromJournal_->setVisible(static_cast<bool>(storedPeriod_));
}

void ControlledPeriodDialog::fillFromStoredPeriod() {
    const auto texts = storedPeriod_ ? storedPeriod_(this) : std::nullopt;
    if (!texts) return;
    for (QLineEdit* field : {edRy, edRpr1, edRpr2, edRcor1, edRcor2})
        if (auto it = texts->find(field->objectName().toStdString()); it != texts->end())
            field->setText(QString::fromStdString(it->second));
}

void ControlledPeriodDialog::showControlChart() {
    // The chart window asks the batch strengths and draws when it opens; this dialog closes
    // after it (its OK already carried the result).
    if (openChart_) openChart_();
}
