// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/core/guidestore.h"
#include "download/core/seasonstore.h"
#include "geo/core/listenerlocation.h"
#include "guide/guidewindow.h"
#include "log/core/desktopnotifier.h"
#include "log/core/heard.h"
#include "log/core/reminderclock.h"
#include "log/logentrydialog.h"
#include "log/logwindow.h"
#include "radiolink/core/rigtuning.h"
#include "radiolink/riglink.h"
#include "schedule/onairdelegate.h"
#include "schedule/scheduletable.h"
#include "ui_mainwindow.h"

#include <QFile>
#include <QPointer>
#include <QStatusBar>

namespace {

// A schedule row's nine fields as a season record: frequency, time, days, country, station,
// language, target, site; the row's mode code is left to the caller.
SeasonRecord recordOfRow(const QStringList& fields)
{
    QStringList season = fields.mid(0, 8);
    while (season.size() < 8)
        season.append(QString());
    season << QString() << QString() << QString();
    const SeasonFile file = parseSeasonFile("kHz:\n" + season.join(QLatin1Char(';')).toUtf8() + '\n');
    return file.records.value(0);
}

SeasonRecord recordOfLine(const QString& line)
{
    return parseSeasonFile("kHz:\n" + line.toUtf8() + '\n').records.value(0);
}

QList<SeasonRecord> recordsOfFile(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return parseSeasonFile(file.readAll()).records;
}

// the season file the guide showed last, or the newest one kept
QList<SeasonRecord> reminderRecords()
{
    const QString path = guideValue(GuideKey::LastFile).toString();
    return recordsOfFile(path.isEmpty() || !QFile::exists(path) ? newestKeptSeasonFile() : path);
}

} // namespace

// Reminders start with the window when the log says "Remind me"; the log itself is not made
// before the listener asks for it.
void MainWindow::setUpLog()
{
    auto* actionLog = new QAction(tr("Reception log..."), this);
    actionLog->setObjectName(QStringLiteral("actionLog"));
    ui->menuGuide->addAction(actionLog);
    connect(actionLog, &QAction::triggered, this, [this] {
        LogWindow* window = receptionLogWindow();
        window->show();
        window->raise();
        window->activateWindow();
    });
    auto* actionHeard = new QAction(tr("Heard it..."), this);
    actionHeard->setObjectName(QStringLiteral("actionHeardIt"));
    ui->menuEdit->addAction(actionHeard);
    connect(actionHeard, &QAction::triggered, this, &MainWindow::heardSelectedRow);
    auto* actionFavourite = new QAction(tr("Favourite station"), this);
    actionFavourite->setObjectName(QStringLiteral("actionFavourite"));
    actionFavourite->setCheckable(true);
    ui->menuEdit->addAction(actionFavourite);
    connect(actionFavourite, &QAction::triggered, this, &MainWindow::starSelectedRow);
    connect(ui->menuEdit, &QMenu::aboutToShow, this, [this, actionFavourite] {
        const int row = ui->thetable->currentRow();
        const QStringList fields = row >= 0 ? scheduleTable->rowFields(row) : QStringList();
        actionFavourite->setEnabled(row >= 0);
        actionFavourite->setChecked(row >= 0 && QFile::exists(ReceptionLog::defaultPath())
                                    && receptionLogWindow()->receptionLog().isFavourite(
                                        fields.value(4), fields.value(0).toDouble()));
    });
    if (!QFile::exists(ReceptionLog::defaultPath()))
        return;
    receptionLogWindow();
    showFavouritesInTable();
    if (ReminderClock::remindOn(receptionLogWindow()->receptionLog()))
        startReminders();
}

LogWindow* MainWindow::receptionLogWindow()
{
    if (logWindow)
        return logWindow;
    logWindow = new LogWindow(this);
    connect(logWindow, &LogWindow::logChanged, this, &MainWindow::showLogMarksInGuide);
    connect(logWindow, &LogWindow::logChanged, this, &MainWindow::showFavouritesInTable);
    connect(logWindow, &LogWindow::remindChanged, this, [this](bool on) {
        if (on)
            startReminders();
    });
    return logWindow;
}

void MainWindow::startReminders()
{
    if (reminders)
        return;
    auto* notifier = new DesktopNotifier(QDBusConnection::sessionBus(), this);
    reminders = new ReminderClock(&receptionLogWindow()->receptionLog(), notifier, this);
    reminders->setRecords(reminderRecords());
    connect(reminders, &ReminderClock::tuneRequested, this, &MainWindow::tuneReceiver);
    connect(notifier, &DesktopNotifier::failed, this, [this](const QString& problem) {
        statusBar()->showMessage(problem, 10000);
    });
    reminders->start();
}

// the dialog opens at once; when the Hamlib link is set, the receiver's frequency and mode come
// into it as the rig answers, the mode by the schedule's name where one matches
void MainWindow::enterHeard(const Reception& known)
{
    QPointer<LogEntryDialog> dialog = receptionLogWindow()->enterHeard(known);
    if (!rigLink->hamlibActive())
        return;
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(rigLink, &RigLink::receiverRead, this,
                          [dialog, connection](double hz, const QString& rigMode) {
                              disconnect(*connection);
                              if (!dialog)
                                  return;
                              dialog->setReceiverKhz(hz / 1000);
                              const QString code = modeCodeOfRigMode(rigMode);
                              if (!rigMode.isEmpty())
                                  dialog->setReceiverMode(code.isEmpty() ? rigMode : hamlibModeName(code));
                          });
    rigLink->readReceiver();
}

void MainWindow::heardSelectedRow()
{
    const int row = selectedRowCount() == 1 ? theSelectedRow() : ui->thetable->currentRow();
    if (row < 0)
        return;
    const QStringList fields = scheduleTable->rowFields(row);
    Reception known = receptionOf(recordOfRow(fields), QDateTime::currentDateTimeUtc(), storedLocationText());
    const QString mode = hamlibModeName(fields.value(8));
    if (!mode.isEmpty())
        known.mode = mode;
    enterHeard(known);
}

void MainWindow::starSelectedRow(bool starred)
{
    const int row = ui->thetable->currentRow();
    if (row < 0)
        return;
    const QStringList fields = scheduleTable->rowFields(row);
    ReceptionLog& log = receptionLogWindow()->receptionLog();
    if (!log.setFavourite({fields.value(4), fields.value(0).toDouble()}, starred))
        statusBar()->showMessage(log.problem(), 10000);
    showFavouritesInTable();
    showLogMarksInGuide();
}

void MainWindow::showLogMarksInGuide()
{
    if (!guideWindow || !logWindow)
        return;
    guideWindow->showHeard(logWindow->receptions());
    guideWindow->showFavourites(logWindow->receptionLog().favourites());
}

void MainWindow::showFavouritesInTable()
{
    if (!logWindow)
        return;
    QSet<QString> keys;
    for (const Favourite& favourite : logWindow->receptionLog().favourites())
        keys.insert(OnAirDelegate::favouriteKey(favourite.station, favourite.khz));
    static_cast<OnAirDelegate*>(ui->thetable->itemDelegate())->setFavouriteKeys(std::move(keys));
    ui->thetable->viewport()->update();
}

// the guide's Heard it opens the entry dialog, its star marks a favourite, and its marks follow
// the log; the reminders follow the file it shows
void MainWindow::connectGuideToLog()
{
    connect(guideWindow, &GuideWindow::fileShown, this, [this](const QString& path) {
        if (reminders)
            reminders->setRecords(recordsOfFile(path));
    });
    connect(guideWindow, &GuideWindow::heardRequested, this, [this](const QString& line) {
        enterHeard(receptionOf(recordOfLine(line), QDateTime::currentDateTimeUtc(), storedLocationText()));
    });
    connect(guideWindow, &GuideWindow::favouriteToggled, this, [this](const Favourite& favourite, bool starred) {
        ReceptionLog& log = receptionLogWindow()->receptionLog();
        if (!log.setFavourite(favourite, starred))
            statusBar()->showMessage(log.problem(), 10000);
        showFavouritesInTable();
        showLogMarksInGuide();
    });
    if (QFile::exists(ReceptionLog::defaultPath()))
        receptionLogWindow();
    showLogMarksInGuide();
}
