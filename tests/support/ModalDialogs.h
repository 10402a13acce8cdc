// Drivers of modal dialogs for window tests: a command that opens a modal
// dialog runs its own event loop, so the answers come from a timer inside it.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace oralis::testing {

// Offers every visible modal dialog to `answer`, from a timer that runs inside
// the dialog's own event loop, until `answer` returns true (it has dealt with
// the dialog).
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<bool(QWidget*)> answer) : answer_(std::move(answer))
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            if (!answer_(modal))
                return;
            timer_.stop();
            seen_ = true;
        });
        timer_.start();
    }

    bool Seen() const { return seen_; }

private:
    std::function<bool(QWidget*)> answer_;
    QTimer timer_;
    bool seen_ = false;
};

// Answers modal windows in order. Each step waits for the modal window it
// expects, then acts on it (its action may open further modal windows, which
// later steps answer). A modal window that no step expects is noted and
// closed after a while, so that a wrong guess fails a test instead of hanging.
class ModalScript {
public:
    ModalScript()
    {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }

    // Clicks `button` on the next message box and notes its text.
    ModalScript& Answer(QMessageBox::StandardButton button = QMessageBox::Ok)
    {
        steps_.push_back({[](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; },
                          [this, button](QWidget* w) {
                              auto* box = static_cast<QMessageBox*>(w);
                              texts.append(box->text());
                              box->button(button)->click();
                          }});
        return *this;
    }

    // Runs `act` on the next modal window of type T.
    template <typename T>
    ModalScript& In(std::function<void(T*)> act)
    {
        steps_.push_back({[](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                          [act](QWidget* w) { act(static_cast<T*>(w)); }});
        return *this;
    }

    bool Done() const { return steps_.empty() && unexpected.isEmpty(); }

    QStringList texts;       // message box texts, in the order answered
    QStringList unexpected;  // modal windows nobody expected

private:
    struct Step {
        std::function<bool(QWidget*)> ready;
        std::function<void(QWidget*)> act;
    };

    void Tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            stalled_ = 0;
            return;
        }
        if (!steps_.empty() && steps_.front().ready(modal)) {
            stalled_ = 0;
            // Acted on from a fresh timer event: a timer does not fire again
            // while its own handler runs, and the action may open a modal
            // window that a later step has to answer.
            QTimer::singleShot(0, [act = steps_.front().act, target = QPointer<QWidget>(modal)] {
                if (target)
                    act(target);
            });
            steps_.pop_front();
            return;
        }
        if (++stalled_ < 100)
            return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        unexpected.append(box ? box->text() : modal->objectName());
        stalled_ = 0;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    }

    QTimer timer_;
    std::deque<Step> steps_;
    int stalled_ = 0;
};

}  // namespace oralis::testing
