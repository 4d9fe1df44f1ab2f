#pragma once

#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Runs `dialog` modally (with `run`, else exec()) and calls `act` once it is open. Should
// `act` leave it open, a watchdog ends it with -1 so that a failing test cannot hang.
inline int RunModal(QDialog& dialog, const std::function<void()>& act, const std::function<int()>& run = {})
{
    QTimer::singleShot(0, &dialog, act);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &dialog, [&dialog] {
        ADD_FAILURE() << "the dialog was left open";
        dialog.done(-1);
    });
    watchdog.start(5000);
    return run ? run() : dialog.exec();
}
