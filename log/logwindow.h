// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/core/reception.h"
#include "log/core/receptionlog.h"

#include <QMainWindow>

#include <memory>

class LogEntryDialog;
class QUndoStack;
class ReceptionFilter;
class ReceptionModel;
class Ui_LogWindow;

// Guide > Reception log...: the log's receptions in a table that sorts, finds text and limits
// dates; an entry is edited in the entry dialog and deleted with Edit > Undo to take it back.
// The window reads the log again whenever it becomes active, so entries that ledra-sked wrote
// meanwhile appear. A log that cannot be opened is said so, and nothing is written to it.
class LogWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit LogWindow(QWidget* parent = nullptr);
    ~LogWindow() override;

    // Opens the entry dialog for a reception heard now, filled with what is known and the
    // receiver and antenna of the last entry; OK adds it to the log. The dialog is returned
    // open, so that the caller can put in the receiver's frequency when the rig answers.
    LogEntryDialog* enterHeard(const Reception& known);

    // the log's receptions as last read
    const QList<Reception>& receptions() const { return shown; }
    ReceptionLog& receptionLog() { return *log; }

    Ui_LogWindow* ui;

signals:
    // an entry was added, changed or deleted
    void logChanged();
    // "Remind me" was ticked or unticked
    void remindChanged(bool on);

protected:
    bool event(QEvent* event) override;

private:
    friend class ReceptionStep;
    void reload();
    void showProblem(const QString& problem);
    void applyDates();
    QList<int> selectedRows() const;
    void editSelected();
    void deleteSelected();
    void exportAs(bool adif);
    void importFile();
    void remember(const Reception& reception);

    std::unique_ptr<ReceptionLog> log;
    QList<Reception> shown;
    ReceptionModel* model;
    ReceptionFilter* filter;
    QUndoStack* steps;
};
