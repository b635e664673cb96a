// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/recordingswindow.h"

#include "radiolink/core/rigtuning.h"
#include "recordings/core/recordingstore.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QStringList headers{QStringLiteral("Station"), QStringLiteral("kHz"), QStringLiteral("Start (UTC)"),
                          QStringLiteral("Stop (UTC)"), QStringLiteral("Recorder"), QStringLiteral("State"),
                          QStringLiteral("File")};

QString momentText(const QDateTime& moment)
{
    return moment.isValid() ? moment.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QStringLiteral("-");
}

QString stateText(const Take& take)
{
    const QString state = takeStateName(take.state);
    return take.reason.isEmpty() ? state : state + QStringLiteral(": ") + take.reason;
}

} // namespace

RecordingsWindow::RecordingsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , table(new QTableWidget(this))
    , removeButton(new QPushButton(QStringLiteral("Remove"), this))
    , openButton(new QPushButton(QStringLiteral("Open"), this))
    , folderButton(new QPushButton(QStringLiteral("Open folder"), this))
{
    setObjectName(QStringLiteral("recordingsWindow"));
    setWindowTitle(QStringLiteral("Recordings"));
    table->setObjectName(QStringLiteral("recordingsTable"));
    removeButton->setObjectName(QStringLiteral("recordingsRemove"));
    openButton->setObjectName(QStringLiteral("recordingsOpen"));
    folderButton->setObjectName(QStringLiteral("recordingsFolder"));
    table->setColumnCount(int(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(removeButton);
    buttons->addWidget(openButton);
    buttons->addWidget(folderButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addLayout(buttons);
    resize(900, 400);
    connect(removeButton, &QPushButton::clicked, this, &RecordingsWindow::removePlanned);
    connect(openButton, &QPushButton::clicked, this, [this] { openFile(false); });
    connect(folderButton, &QPushButton::clicked, this, [this] { openFile(true); });
    auto* rereading = new QTimer(this);
    connect(rereading, &QTimer::timeout, this, &RecordingsWindow::refresh);
    rereading->start(5000);
    refresh();
}

void RecordingsWindow::refresh()
{
    QString problem;
    const int selected = selectedRow();
    plan = readPlan(&problem);
    table->setRowCount(int(plan.entries.size() + plan.takes.size()));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    int row = 0;
    const auto put = [this, &row](const QStringList& texts) {
        for (int column = 0; column < texts.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(texts.at(column)));
        ++row;
    };
    for (const RecordingEntry& entry : plan.entries) {
        const Occurrence next = nextOccurrence(entry, now);
        put({entry.station, khzText(entry.khz * 1000), momentText(next.start), momentText(next.stop),
             recorderName(entry.recorder), entry.repeating ? QStringLiteral("planned, every day it is on the air") : QStringLiteral("planned"),
             QString()});
    }
    for (auto take = plan.takes.crbegin(); take != plan.takes.crend(); ++take) {
        put({take->station, khzText(take->khz * 1000), momentText(take->start), momentText(take->stop),
             recorderName(take->recorder), stateText(*take), take->file});
    }
    if (selected >= 0 && selected < table->rowCount())
        table->selectRow(selected);
    if (!problem.isEmpty())
        table->setToolTip(problem);
}

int RecordingsWindow::selectedRow() const
{
    const QList<QTableWidgetSelectionRange> ranges = table->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

void RecordingsWindow::removePlanned()
{
    const int row = selectedRow();
    if (row < 0 || row >= plan.entries.size()) {
        QMessageBox::information(this, QStringLiteral("Recordings"), QStringLiteral("You must select a planned recording to Remove"));
        return;
    }
    const int id = plan.entries.at(row).id;
    QString problem;
    RecordingPlan stored = readPlan(&problem);
    stored.entries.erase(std::remove_if(stored.entries.begin(), stored.entries.end(),
                                        [id](const RecordingEntry& entry) { return entry.id == id; }),
                         stored.entries.end());
    if (problem.isEmpty())
        problem = writePlan(stored);
    if (!problem.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Recordings"), QStringLiteral("The plan could not be kept: %1").arg(problem));
    refresh();
}

void RecordingsWindow::openFile(bool folder)
{
    const int row = selectedRow() - int(plan.entries.size());
    const int take = int(plan.takes.size()) - 1 - row;
    if (row < 0 || take < 0 || plan.takes.at(take).file.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Recordings"), QStringLiteral("You must select a past recording with a file to Open"));
        return;
    }
    const QFileInfo file(plan.takes.at(take).file);
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder ? file.absolutePath() : file.absoluteFilePath()));
}
