#pragma once
// A script of answers to the modal windows a test expects, in the order they appear. Each step
// receives the modal widget; the next step is scheduled before the step runs, so a step may
// click the button that opens the next window. Every step must close its window or open the
// next one before it returns (the same window may come back as the next step's).
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "ModalDriver.h"

class ModalScript {
public:
    using Step = std::function<void(QWidget* modal)>;

    explicit ModalScript(std::vector<Step> steps) : state_(std::make_shared<State>()) {
        state_->steps = std::move(steps);
    }
    // A step still waiting when the test ends must not answer a later test's windows with
    // references into this one.
    ~ModalScript() { state_->cancelled = true; }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Starts waiting for the first modal window other than `except`.
    void start(QWidget* except = nullptr) { scheduleNext(state_, except); }
    // How many steps have run (a failing test tells how far it came).
    int done() const { return state_->next; }

private:
    struct State {
        std::vector<Step> steps;
        int next = 0;
        bool cancelled = false;
    };
    static void scheduleNext(const std::shared_ptr<State>& state, QWidget* except) {
        if (state->next >= static_cast<int>(state->steps.size())) return;
        answerNextModal(
            [state](QWidget* modal) {
                if (state->cancelled) return;
                Step step = state->steps[static_cast<std::size_t>(state->next++)];
                scheduleNext(state, nullptr);
                step(modal);
            },
            except);
    }
    std::shared_ptr<State> state_;
};
