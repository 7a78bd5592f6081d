#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the next modal window by calling inspect on it and then pressing key,
// once the window is up. Counts the windows it answered.
class ModalAnswerer {
public:
    using Inspect = std::function<void(QWidget*)>;

    void answerNext(Qt::Key key, Inspect inspect = {}) {
        QTimer::singleShot(0, [this, key, inspect] { poll(key, inspect, 0); });
    }
    int answered() const { return answered_; }

private:
    void poll(Qt::Key key, const Inspect& inspect, int attempt) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            if (attempt < 500) {
                QTimer::singleShot(10, [=, this] { poll(key, inspect, attempt + 1); });
            }
            return;
        }
        if (inspect) {
            inspect(modal);
        }
        ++answered_;
        QTest::keyClick(modal, key);
    }

    int answered_ = 0;
};
