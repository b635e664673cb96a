// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QDialog;

// What one message box said.
struct ShownBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QWidget* parent;
};

// Answers every modal window that opens while it lives: records each message box and presses
// its OK button (or the button queued with pressNext), and hands any other dialog to the
// dialog handler (which rejects it when none is set).
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    ModalAnswerer();

    void pressNext(QMessageBox::StandardButton button);
    void onDialog(std::function<void(QDialog*)> handler);

    QList<ShownBox> boxes;
    // "title: text" of every box, in order; handy in QCOMPARE.
    QStringList shown() const;

private:
    void answer();

    QTimer timer;
    QList<QMessageBox::StandardButton> queued;
    std::function<void(QDialog*)> dialogHandler;
};
