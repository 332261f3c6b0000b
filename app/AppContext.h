#pragma once
// What every window of the program reaches: the text document windows (the report protocol),
// the help viewer, and the other windows, which live for the whole run and read each other's
// fields (the proportioning run reads the options dialog, for example).
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class DocumentArea;
class QMenu;

class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void showContents() = 0;
    virtual void showContext(int contextNumber) = 0;
};

class AppContext {
public:
    explicit AppContext(DocumentArea* documents = nullptr) : documents_(documents) {}

    DocumentArea* documents() const { return documents_; }
    void setDocuments(DocumentArea* documents) { documents_ = documents; }

    HelpService* help() const { return help_; }
    void setHelp(HelpService* help) { help_ = help; }

    // The program's context menu, built by the main window for any widget that wants it
    // (the text document windows show it on right-click).
    using ContextMenuBuilder = std::function<QMenu*(QWidget* parent)>;
    void setContextMenuBuilder(ContextMenuBuilder builder) { contextMenu_ = std::move(builder); }
    QMenu* contextMenu(QWidget* parent) const { return contextMenu_ ? contextMenu_(parent) : nullptr; }

    // The singleton windows, registered in creation order.
    void registerWindow(QWidget* window) { windows_.push_back(window); }
    template <class T>
    T* window() const {
        for (const auto& w : windows_)
            if (auto* t = qobject_cast<T*>(w.data())) return t;
        return nullptr;
    }
    std::vector<QWidget*> windows() const {
        std::vector<QWidget*> out;
        for (const auto& w : windows_)
            if (w) out.push_back(w);
        return out;
    }

private:
    DocumentArea* documents_ = nullptr;
    HelpService* help_ = nullptr;
    ContextMenuBuilder contextMenu_;
    std::vector<QPointer<QWidget>> windows_;
};

// The application title, used as the caption of every message box.
inline QString applicationTitle() { return QStringLiteral("Orvan-6.4"); }
