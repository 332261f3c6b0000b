#include "correction/BatchWeights.h"

#include <QCoreApplication>

#include "app/AppContext.h"
#include "app/DesignQuantities.h"
#include "app/DocumentArea.h"
#include "app/Messages.h"
#include "app/fmMemo.h"
#include "correction/fmCorrection.h"

void openBatchWeights(AppContext& app, QWidget* mainWindow) {
    TForm1* document = app.documents() ? app.documents()->activeDocument() : nullptr;
    const auto design = designQuantities(document);
    if (!design) {
        showMessage(mainWindow,
                    QCoreApplication::translate("correction",
                                                "Make a proportioning report window active "
                                                "first: its design gives the quantities."));
        return;
    }
    auto* correction = app.window<Tcorrection>();
    if (!correction) return;
    correction->selectPage(1);
    correction->setFieldText(QStringLiteral("edP"), design->sand);
    correction->setFieldText(QStringLiteral("edSC"), design->coarse);
    correction->setFieldText(QStringLiteral("edVoda"), design->water);
    correction->exec();
}
