// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/logwindow.h"

#include "log/core/logfiles.h"
#include "log/core/logstats.h"
#include "log/core/reminderclock.h"
#include "log/logentrydialog.h"
#include "log/receptionmodel.h"
#include "ui_logwindow.h"

#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QSaveFile>
#include <QUndoStack>

// A change of the log that Edit > Undo takes back: before and after are the entry's states,
// an invalid start standing for no entry (an added entry has none before, a deleted none after).
// An entry taken back into the log keeps its id.
class ReceptionStep : public QUndoCommand
{
public:
    ReceptionStep(LogWindow* window, const QString& text, const Reception& before, const Reception& after)
        : QUndoCommand(text), window(window), before(before), after(after)
    {
    }
    void redo() override { apply(before, after); }
    void undo() override { apply(after, before); }

private:
    void apply(const Reception& from, const Reception& to)
    {
        ReceptionLog& log = *window->log;
        qint64 id = 0;
        if (!to.start.isValid())
            id = log.remove(from.id) ? from.id : 0;
        else if (!from.start.isValid())
            id = log.add(to);
        else
            id = log.update(to) ? to.id : 0;
        if (id > 0)
            before.id = after.id = id;
        window->reload();
        window->showProblem(id > 0 ? QString() : log.problem());
        emit window->logChanged();
    }

    LogWindow* window;
    Reception before;
    Reception after;
};

LogWindow::LogWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window), ui(new Ui_LogWindow), log(std::make_unique<ReceptionLog>()),
      model(new ReceptionModel(this)), filter(new ReceptionFilter(this)), steps(new QUndoStack(this))
{
    ui->setupUi(this);
    filter->setSourceModel(model);
    ui->logTable->setModel(filter);
    ui->logTable->sortByColumn(ReceptionModel::StartColumn, Qt::DescendingOrder);
    ui->logTable->horizontalHeader()->setStretchLastSection(true);
    QAction* undo = steps->createUndoAction(this, tr("Undo"));
    undo->setObjectName(QStringLiteral("actionLogUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = steps->createRedoAction(this, tr("Redo"));
    redo->setObjectName(QStringLiteral("actionLogRedo"));
    redo->setShortcut(QKeySequence::Redo);
    ui->menuLogEdit->insertActions(ui->actionEditReception, {undo, redo});
    ui->menuLogEdit->insertSeparator(ui->actionEditReception);
    const QDate today = QDateTime::currentDateTimeUtc().date();
    ui->logFrom->setDate(today.addMonths(-1));
    ui->logTo->setDate(today);
    connect(ui->logFilter, &QLineEdit::textChanged, filter, &ReceptionFilter::setText);
    connect(ui->logDatesGiven, &QCheckBox::toggled, this, &LogWindow::applyDates);
    connect(ui->logFrom, &QDateEdit::dateChanged, this, &LogWindow::applyDates);
    connect(ui->logTo, &QDateEdit::dateChanged, this, &LogWindow::applyDates);
    connect(ui->logTable, &QAbstractItemView::doubleClicked, this, &LogWindow::editSelected);
    connect(ui->actionEditReception, &QAction::triggered, this, &LogWindow::editSelected);
    connect(ui->actionDeleteReception, &QAction::triggered, this, &LogWindow::deleteSelected);
    connect(ui->actionExportAdif, &QAction::triggered, this, [this] { exportAs(true); });
    connect(ui->actionExportCsv, &QAction::triggered, this, [this] { exportAs(false); });
    connect(ui->actionImportLog, &QAction::triggered, this, &LogWindow::importFile);
    ui->logRemind->setChecked(ReminderClock::remindOn(*log));
    ui->logLead->setValue(ReminderClock::leadMinutes(*log));
    connect(ui->logRemind, &QCheckBox::toggled, this, [this](bool on) {
        log->setSetting(QLatin1String(remindKey), on ? QStringLiteral("1") : QStringLiteral("0"));
        emit remindChanged(on);
    });
    connect(ui->logLead, &QSpinBox::valueChanged, this,
            [this](int minutes) { log->setSetting(QLatin1String(reminderLeadKey), QString::number(minutes)); });
    if (!log->isOpen()) {
        ui->centralwidget->setEnabled(false);
        ui->menuLogFile->setEnabled(false);
        ui->menuLogEdit->setEnabled(false);
    }
    reload();
}

LogWindow::~LogWindow()
{
    delete ui;
}

bool LogWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        reload();
    return QMainWindow::event(event);
}

void LogWindow::reload()
{
    if (!log->isOpen()) {
        showProblem(log->problem());
        return;
    }
    shown = log->receptions();
    model->setReceptions(shown);
    ui->logCounts->setText(heardCountsText(heardCounts(shown)));
}

void LogWindow::showProblem(const QString& problem)
{
    ui->logProblem->setText(problem);
    ui->logProblem->setVisible(!problem.isEmpty());
}

void LogWindow::applyDates()
{
    const bool given = ui->logDatesGiven->isChecked();
    ui->logFrom->setEnabled(given);
    ui->logTo->setEnabled(given);
    filter->setDates(given ? ui->logFrom->date() : QDate(), given ? ui->logTo->date() : QDate());
}

QList<int> LogWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : ui->logTable->selectionModel()->selectedRows())
        rows.append(filter->mapToSource(index).row());
    return rows;
}

void LogWindow::editSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.size() != 1)
        return;
    const Reception before = model->reception(rows.first());
    LogEntryDialog dialog(before, this);
    dialog.setWindowTitle(tr("Edit reception"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    steps->push(new ReceptionStep(this, tr("Edit reception"), before, dialog.reception()));
}

void LogWindow::deleteSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    steps->beginMacro(rows.size() == 1 ? tr("Delete reception") : tr("Delete %1 receptions").arg(rows.size()));
    QList<Reception> deleted;
    for (int row : rows)
        deleted.append(model->reception(row));
    for (const Reception& reception : deleted)
        steps->push(new ReceptionStep(this, QString(), reception, Reception()));
    steps->endMacro();
}

LogEntryDialog* LogWindow::enterHeard(const Reception& known)
{
    Reception filled = known;
    filled.receiver = log->setting(QLatin1String(lastReceiverKey));
    filled.antenna = log->setting(QLatin1String(lastAntennaKey));
    auto* dialog = new LogEntryDialog(filled, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const Reception entered = dialog->reception();
        steps->push(new ReceptionStep(this, tr("Heard it"), Reception(), entered));
        remember(entered);
    });
    dialog->open();
    return dialog;
}

void LogWindow::remember(const Reception& reception)
{
    log->setSetting(QLatin1String(lastReceiverKey), reception.receiver);
    log->setSetting(QLatin1String(lastAntennaKey), reception.antenna);
}

void LogWindow::exportAs(bool adif)
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export the reception log"),
                                                      adif ? QStringLiteral("log.adi") : QStringLiteral("log.csv"),
                                                      adif ? tr("ADIF (*.adi)") : tr("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray bytes = adif ? writeAdif(shown) : writeLogCsv(shown);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        QMessageBox::warning(this, tr("Export"), tr("Cannot write \"%1\": %2").arg(path, file.errorString()));
}

void LogWindow::importFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import receptions"), QString(),
                                                      tr("ADIF or CSV (*.adi *.adif *.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, tr("Import"), tr("Cannot read \"%1\": %2").arg(path, file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    LogFileReading reading = readLogCsv(bytes);
    if (!reading.recognised)
        reading = readAdif(bytes);
    if (!reading.recognised) {
        QMessageBox::warning(this, tr("Import"),
                             tr("\"%1\" is neither an ADIF file nor a reception log in CSV.").arg(path));
        return;
    }
    const ImportCounts counts = log->import(reading.receptions);
    reload();
    emit logChanged();
    if (!log->problem().isEmpty()) {
        QMessageBox::warning(this, tr("Import"), log->problem());
        return;
    }
    QString text = tr("%1 added, %2 skipped (already in the log).").arg(counts.added).arg(counts.skipped);
    if (!reading.problems.isEmpty())
        text += QLatin1Char('\n') + reading.problems.join(QLatin1Char('\n'));
    QMessageBox::information(this, tr("Import"), text);
}
