#pragma once
// Driving modal dialogs from a test without sleeps or unbounded waits.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Calls `answer` once with the first modal widget (other than `except`) that becomes active.
// Schedule it before the click that opens the dialog; inside `answer`, schedule the next
// dialog's answer before clicking again. Gives up after `timeoutMs`.
void answerNextModal(std::function<void(QWidget*)> answer, QWidget* except = nullptr,
                     int timeoutMs = 10000);

// Closes every modal widget that is still up after `timeoutMs`, so that a failing test cannot
// hang; `fired()` tells the test that it had to.
class ModalWatchdog : public QObject {
    Q_OBJECT
public:
    explicit ModalWatchdog(int timeoutMs = 20000);
    bool fired() const { return fired_; }

private:
    QTimer timer_;
    bool fired_ = false;
};

// Finds a child by object name and type, or fails the test with a clear message.
template <class T>
T* child(QObject* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}
