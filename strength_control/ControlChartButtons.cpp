#include "strength_control/ControlChartButtons.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QPushButton>

#include "kit/Messages.h"
#include "kit/PdfExport.h"
#include "strength_control/ControlChartWindow.h"
#include "strength_control/QualityPublish.h"

namespace {

QString text(const char* source) {
    return QCoreApplication::translate("fmPeriod_Control2", source);
}

QPushButton* addButton(QWidget* window, QBoxLayout* buttons, int index, const char* name,
                       const QString& caption) {
    auto* button = new QPushButton(caption, window);
    button->setObjectName(name);
    button->setAutoDefault(false);
    // After the stretch, before "Close" and "Save...", which stay at the right end.
    buttons->insertWidget(index, button);
    return button;
}

}  // namespace

void addVerdictAndPdfButtons(AppContext& app, ControlChartWindow* window, QBoxLayout* buttons) {
    QPushButton* report = addButton(window, buttons, 1, "bbReport", text("Report"));
    QPushButton* pdf = addButton(window, buttons, 2, "bbPdf", text("PDF..."));
    QObject::connect(report, &QPushButton::clicked, window, [&app, window] {
        publishVerdictReport(app, window, orvan::control::chartFigures(window->lastChart()));
        // The new report window activates the main window; the chart stays in front.
        window->raise();
        window->activateWindow();
    });
    QObject::connect(pdf, &QPushButton::clicked, window, [window] {
        const QString path = choosePdfFile(window, QStringLiteral("mychart.pdf"));
        if (path.isEmpty()) return;
        const orvan::Outcome<> written = window->savePdf(path);
        if (!written.ok())
            showMessage(window, text("The PDF could not be written to \"%1\": %2")
                                    .arg(path, fromCore(written.message)));
    });
}
