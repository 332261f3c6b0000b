#pragma once
// The proportioning windows as the program creates them, without a main window: a document
// area for the reports and the six dialogs registered in start-up order.
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "ModalDriver.h"
#include "NumberLocale.h"
#include "kit/AppContext.h"
#include "kit/DocumentArea.h"
#include "kit/TextWindow.h"
#include "common/NumberText.h"
#include "mixdesign/CementSavingChoiceDialog.h"
#include "mixdesign/CementSavingTechniqueDialog.h"
#include "mixdesign/DurabilityDialog.h"
#include "mixdesign/MixInputDialog.h"
#include "mixdesign/ProportioningInputs.h"
#include "mixdesign/ProportioningOptionsDialog.h"
#include "mixdesign/SteamCuringDialog.h"

struct MixUiWindows {
    AppContext app;
    orvan::mix::ProportioningOptions optionsModel;  // the session's options
    ProportioningInputs session;                    // and the reports' design quantities
    std::unique_ptr<DocumentArea> area;
    std::unique_ptr<ProportioningOptionsDialog> options;
    std::unique_ptr<MixInputDialog> mixInput;
    std::unique_ptr<DurabilityDialog> fw;
    std::unique_ptr<CementSavingChoiceDialog> economy;
    std::unique_ptr<CementSavingTechniqueDialog> technique;
    std::unique_ptr<SteamCuringDialog> steam;

    MixUiWindows() : area(std::make_unique<DocumentArea>(app)) {
        useDecimalPoint();  // the texts below are written with a point
        area->resize(800, 600);
        app.setDocuments(area.get());
        options = add(std::make_unique<ProportioningOptionsDialog>(app, optionsModel));
        mixInput = add(std::make_unique<MixInputDialog>(app, optionsModel));
        fw = add(std::make_unique<DurabilityDialog>(app));
        economy = add(std::make_unique<CementSavingChoiceDialog>(app));
        technique = add(std::make_unique<CementSavingTechniqueDialog>(app));
        steam = add(std::make_unique<SteamCuringDialog>(app));
        // As the main window connects them.
        mixInput->setRunWindows(
            {fw.get(), steam.get(), economy.get(), technique.get(),
             [this](const QString& name) { return options->shownCaption(name); }, &session});
    }

    template <class T>
    std::unique_ptr<T> add(std::unique_ptr<T> window) {
        app.registerWindow(window.get());
        return window;
    }

    std::vector<QWidget*> all() const {
        return {options.get(), mixInput.get(),  fw.get(),
                economy.get(), technique.get(), steam.get()};
    }
};

inline QLineEdit* editOf(QWidget* dialog, const QString& name) {
    return dialog->findChild<QLineEdit*>(name);
}
inline RadioGroup* groupOf(QWidget* dialog, const QString& name) {
    return dialog->findChild<RadioGroup*>(name);
}
inline QPushButton* buttonOf(QWidget* dialog, const QString& name) {
    return dialog->findChild<QPushButton*>(name);
}
// Chooses an item the way a user does: a click on its radio button.
inline void chooseItem(QWidget* dialog, const QString& group, int index) {
    RadioGroup* g = groupOf(dialog, group);
    QVERIFY2(g, qPrintable(group));
    auto* item = g->findChild<QRadioButton*>(QStringLiteral("item%1").arg(index));
    QVERIFY2(item, qPrintable(group));
    item->click();
}
// The label that names a field.
inline QLabel* labelOf(QWidget* dialog, QWidget* field) {
    for (QLabel* label : dialog->findChildren<QLabel*>())
        if (label->buddy() == field) return label;
    return nullptr;
}
