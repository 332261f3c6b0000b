#include "correction/BatchWeights.h"

#include <QCoreApplication>

#include "kit/Messages.h"
#include "correction/CorrectionDialog.h"

void openBatchWeights(QWidget* mainWindow, const std::optional<DesignQuantities>& design,
                      CorrectionDialog* correction) {
    if (!design) {
        showMessage(mainWindow,
                    QCoreApplication::translate("correction",
                                                "Make a proportioning report window active "
                                                "first: its design gives the quantities."));
        return;
    }
    if (!correction) return;
    correction->selectPage(1);
    correction->setFieldText(QStringLiteral("edP"), design->sand);
    correction->setFieldText(QStringLiteral("edSC"), design->coarse);
    correction->setFieldText(QStringLiteral("edVoda"), design->water);
    correction->setFieldText(QStringLiteral("edCement"), design->cement);
    correction->setFieldText(QStringLiteral("edFlyAsh"), design->flyAsh);
    correction->exec();
}
