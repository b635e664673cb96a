// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "schedule/scheduletable.h"
#include "schedule/undocommands.h"
#include "ui_mainwindow.h"

#include <QShortcut>
#include <QUndoStack>

#include <algorithm>

void MainWindow::setUpUndo()
{
    QUndoStack* undoStack = scheduleTable->undoStack();
    ui->actionUndo->setShortcuts(QKeySequence::Undo);
    ui->actionRedo->setShortcuts(QKeySequence::Redo);
    ui->actionUndo->setEnabled(false);
    ui->actionRedo->setEnabled(false);
    connect(undoStack, &QUndoStack::canUndoChanged, ui->actionUndo, &QAction::setEnabled);
    connect(undoStack, &QUndoStack::canRedoChanged, ui->actionRedo, &QAction::setEnabled);
    // tied to the actions, which the window deletes before the stack
    QAction* undo = ui->actionUndo;
    QAction* redo = ui->actionRedo;
    connect(undoStack, &QUndoStack::undoTextChanged, undo, [undo](const QString& text) {
        undo->setText(text.isEmpty() ? tr("Undo") : tr("Undo %1").arg(text));
    });
    connect(undoStack, &QUndoStack::redoTextChanged, redo, [redo](const QString& text) {
        redo->setText(text.isEmpty() ? tr("Redo") : tr("Redo %1").arg(text));
    });
    connect(ui->actionUndo, &QAction::triggered, this, [this] { undoOrRedo(true); });
    connect(ui->actionRedo, &QAction::triggered, this, [this] { undoOrRedo(false); });
}

// Back at the state of the last Save the window counts as saved, anywhere else as changed.
// Before any Save, only the steps that Add, Del and the other row changes made count, as
// those actions themselves mark the window.
void MainWindow::undoOrRedo(bool undo)
{
    QUndoStack* undoStack = scheduleTable->undoStack();
    if (undo)
        undoStack->undo();
    else
        undoStack->redo();
    bool changed = !undoStack->isClean() && savedSinceStart;
    const int now = undoStack->index();
    const int clean = undoStack->cleanIndex();
    for (int index = std::min(now, clean); !changed && index < std::max(now, clean); ++index)
        changed = static_cast<const TableCommand*>(undoStack->command(index))->changesSchedule();
    setWindowModified(changed);
}

void MainWindow::setUpKeyboard()
{
    for (QLineEdit* box : {ui->leFreq, ui->leTime, ui->leLabel})
        connect(box, &QLineEdit::returnPressed, ui->additem, &QPushButton::click);

    QTableWidget* table = ui->thetable;
    const auto onTable = [table](const QKeySequence& keys) {
        return new QShortcut(keys, table, nullptr, nullptr, Qt::WidgetShortcut);
    };
    connect(onTable(QKeySequence::Delete), &QShortcut::activated, ui->deleteitem, &QPushButton::click);
    for (const int key : {Qt::Key_Return, Qt::Key_Enter})
        connect(onTable(QKeySequence(key)), &QShortcut::activated, ui->go, &QPushButton::click);
    // a double-click picks the whole row, which Go acts on
    connect(table, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        ui->thetable->selectRow(row);
        ui->go->click();
    });

    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, ui->savedata, &QPushButton::click);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        ui->leFreq->setFocus(Qt::ShortcutFocusReason);
        ui->leFreq->selectAll();
    });
}
