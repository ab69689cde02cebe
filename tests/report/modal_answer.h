// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers a Qt dialog that a test's next call opens modally: once a modal widget of the type
// shows, `answer` runs inside its loop. A dialog that the answer leaves open is rejected, so the
// test goes on; one that never shows is a failure.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

template <class Dialog> void WhenModal(std::function<void(Dialog*)> answer) {
    auto* timer = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(10000);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, deadline] {
        QPointer<Dialog> dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog && !deadline->hasExpired()) return;
        timer->stop();
        timer->deleteLater();
        if (!dialog) {
            ADD_FAILURE() << "no modal " << Dialog::staticMetaObject.className() << " was shown";
            return;
        }
        answer(dialog);
        if (dialog && dialog->isVisible()) {
            ADD_FAILURE() << "the answer left the " << Dialog::staticMetaObject.className() << " open";
            dialog->reject();
        }
    });
    timer->start(10);
}
