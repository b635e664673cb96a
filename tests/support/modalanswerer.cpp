// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>

ModalAnswerer::ModalAnswerer()
{
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::answer);
    timer.start(5);
}

void ModalAnswerer::pressNext(QMessageBox::StandardButton button)
{
    queued.append(button);
}

void ModalAnswerer::onDialog(std::function<void(QDialog*)> handler)
{
    dialogHandler = std::move(handler);
}

QStringList ModalAnswerer::shown() const
{
    QStringList list;
    for (const ShownBox& box : boxes)
        list.append(box.title + QStringLiteral(": ") + box.text);
    return list;
}

void ModalAnswerer::answer()
{
    QWidget* modal = QApplication::activeModalWidget();
    // a window that was answered may still be on screen until its event loop returns
    if (!modal || !modal->isVisible() || modal->property("ledraAnswered").toBool())
        return;
    modal->setProperty("ledraAnswered", true);

    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes.append({box->windowTitle(), box->text(), box->icon(), box->parentWidget()});
        QAbstractButton* button = nullptr;
        if (!queued.isEmpty())
            button = box->button(queued.takeFirst());
        if (!button)
            button = box->button(QMessageBox::Ok);
        if (!button)
            button = box->defaultButton();
        if (button)
            button->click();
        else
            box->reject();
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        // run the handler from the event loop, so that a window it opens is answered too
        QMetaObject::invokeMethod(
            this,
            [this, dialog = QPointer<QDialog>(dialog)] {
                if (!dialog)
                    return;
                if (dialogHandler)
                    dialogHandler(dialog);
                else
                    dialog->reject();
            },
            Qt::QueuedConnection);
    }
}
