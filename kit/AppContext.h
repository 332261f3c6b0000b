#pragma once
// What every window of the program reaches: the text document windows (the report protocol),
// the help viewer and the context menu; and the registry of the singleton windows, which live
// for the whole run and which only the main window's commands look up (the windows share
// their state through the main window's session models instead).
#include <QMetaObject>
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

    // The singleton windows, registered in start-up order. A window registered with a maker
    // is made when it is first asked for (by window<T>() or windows()): it has no effect
    // before it is shown, and its making costs start-up time.
    void registerWindow(QWidget* window) { windows_.push_back({window, nullptr, {}}); }
    void registerWindow(const QMetaObject& type, std::function<QWidget*()> make) {
        windows_.push_back({nullptr, &type, std::move(make)});
    }
    template <class T>
    T* window() const {
        for (Entry& entry : windows_) {
            if (entry.make && entry.type->inherits(&T::staticMetaObject)) ensureMade(entry);
            if (auto* t = qobject_cast<T*>(entry.window.data())) return t;
        }
        return nullptr;
    }
    // Every window, made or not yet, in start-up order.
    std::vector<QWidget*> windows() const {
        std::vector<QWidget*> out;
        for (Entry& entry : windows_) {
            ensureMade(entry);
            if (entry.window) out.push_back(entry.window);
        }
        return out;
    }

private:
    DocumentArea* documents_ = nullptr;
    HelpService* help_ = nullptr;
    ContextMenuBuilder contextMenu_;
    struct Entry {
        QPointer<QWidget> window;
        const QMetaObject* type;         // with `make`: the class of the window not yet made
        std::function<QWidget*()> make;  // emptied once the window is made
    };
    static void ensureMade(Entry& entry) {
        if (!entry.make) return;
        // Emptied first: the window's constructor may ask for other windows.
        const auto make = std::move(entry.make);
        entry.make = nullptr;
        entry.window = make();
    }
    mutable std::vector<Entry> windows_;
};

// The application title, used as the caption of every message box.
inline QString applicationTitle() { return QStringLiteral("Orvan-6.4"); }
