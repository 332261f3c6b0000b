#pragma once
// Finds one of the program's registered windows by its object name, as automation does (every
// window made on first use is made by the search).
#include <QString>
#include <QWidget>

#include "kit/AppContext.h"

template <class Window = QWidget>
Window* registeredWindow(const AppContext& app, const QString& objectName) {
    for (QWidget* window : app.windows())
        if (window->objectName() == objectName) return qobject_cast<Window*>(window);
    return nullptr;
}
