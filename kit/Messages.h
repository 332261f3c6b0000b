#pragma once
#include <QString>
#include <string>

#include "common/Outcome.h"

class QWidget;

// A message of the core (a fault of the runtime, a file error, a refusal) in the interface's
// language: looked up among the shared texts, the conversion faults by their pattern; a text
// with no entry (one already translated by its window) stays as it is.
QString translatedMessage(const QString& text);

// A single-button message box with the application title as caption.
void showMessage(QWidget* parent, const QString& text);
// The application's error box: the runtime's message of a fault.
void showErrorBox(QWidget* parent, const QString& text);

inline QString fromCore(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string toCore(const QString& text) {
    return text.toStdString();
}

// The one way a window shows how a job of the core ended: nothing when it is Done or Cancelled,
// otherwise `shown` (the outcome's message as the window words it) in the box `style` names.
void showOutcome(QWidget* parent, orvan::OutcomeKind kind, orvan::MessageStyle style,
                 const QString& shown);
template <class Values>
void showOutcome(QWidget* parent, const orvan::Outcome<Values>& outcome, const QString& shown) {
    showOutcome(parent, outcome.kind, outcome.style, shown);
}
template <class Values>
void showOutcome(QWidget* parent, const orvan::Outcome<Values>& outcome) {
    showOutcome(parent, outcome.kind, outcome.style, fromCore(outcome.message));
}
