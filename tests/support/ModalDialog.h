#pragma once

#include <functional>

#include <QApplication>
#include <QTimer>

// Runs the action on the next modal dialog of type T as soon as it is shown; call it before the
// command that opens the dialog.
template <typename T>
void OnNextModal(std::function<void(T*)> action, int attempts = 200) {
    QTimer::singleShot(5, [action, attempts] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            action(dialog);
        else if (attempts > 0)
            OnNextModal<T>(action, attempts - 1);
    });
}
