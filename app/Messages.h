#pragma once
#include <QString>
#include <string>

class QWidget;

// A single-button message box with the application title as caption.
void showMessage(QWidget* parent, const QString& text);
// The application's error box: the runtime's message of a fault.
void showErrorBox(QWidget* parent, const QString& text);

inline QString fromCore(const std::string& text) { return QString::fromStdString(text); }
inline std::string toCore(const QString& text) { return text.toStdString(); }
