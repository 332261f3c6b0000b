#pragma once
#include <QCoreApplication>

#include "kit/DialogBase.h"

class QLabel;
class QLineEdit;

// The batch prompt of the controlled period: asks the strength of one batch. Both buttons
// only close it; the caller reads edRi whichever button was pressed.
class BatchStrengthPrompt : public DialogBase {
    Q_OBJECT
public:
    // Translated under the form's class name, whatever this class is called.
    static constexpr const char* kForm = "TfmPeriod_Control3";

    explicit BatchStrengthPrompt(AppContext& app, QWidget* parent = nullptr);

    // Sets Label1 to `promptText`, empties edRi, shows the prompt modally and returns the text
    // standing in edRi when it closed.
    QString ask(const QString& promptText);
    // The prompt for batch `batch` in the interface's language.
    static QString promptFor(int batch);

private:
    QLabel* Label1 = nullptr;
    QLineEdit* edRi = nullptr;
};
