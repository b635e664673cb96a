// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/tiptrapper.h"
#include "schedule/scheduletable.h"
#include "schedule/stylepictures.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QMessageBox>

MainWindow* tmw = nullptr;

namespace {

const char* const separatorLine = "-------------------------------\n";

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
{
    tmw = this;
    rxPort = QStringLiteral("58084");
    txPort = QStringLiteral("58083");

    QCoreApplication::setOrganizationName(QStringLiteral("Morvath"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("morvath.org"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledra"));

    makehome();
    // nothing has been built or read yet, so leaving here writes no settings
    if (ensure())
        exit(-1);

    ui->setupUi(this);
    scheduleTable = new ScheduleTable(ui->thetable);
    // Del refills the entry boxes, which repaints them and the frame around them
    StylePictures::useFor({ui->groupBox_4, ui->leFreq, ui->leTime, ui->leLabel});
    setUpUndo();
    setUpKeyboard();
    ui->thetable->setHorizontalHeaderLabels({tr("Frequency"), tr("Time"), tr("-"), tr("From"),
                                             tr("Orvane / Pelkin Label"), tr("Lang"), tr("To"),
                                             tr("Tx Site"), tr("Mode")});
    codeTables.setupComboBoxes();
    setUpReceiverLink();

    connect(ui->actionAbout, &QAction::triggered, this, &MainWindow::OnAbout);
    connect(ui->actionHelp, &QAction::triggered, this, &MainWindow::OnHelp);
    connect(ui->actionSt_UDP_Ports, &QAction::triggered, this,
            &MainWindow::on_actionSet_UDP_Ports_triggered);
    setUpGuide();
    setUpExport();
    setUpLog();
    setUpRecordings();

    useToolTips = 1;
    sortOnSave = 0;
    confirmAfterSave = 0;
    clearAfterAdd = 0;
    presetAfterAdd = 0;
    setDefaultIndexes();

    for (int& preset : presets)
        preset = 0;
    pickerConfirmOverwrite = 0;
    pickerEnforceExtensions = 0;
    pickerReverseFolders = 1;
    pickerReverseFiles = 1;
    pickerSortMode = 2;

    pickerPath = docsFolder;
    pickerFilter = QStringLiteral(".txt");
    pickerFile = QStringLiteral("extra-swbc-sked.txt");
    extraFileBase = QStringLiteral("/extra-swbc-sked");
    orvaneFileBase = QStringLiteral("/orvane-swbc-sked");
    pickerFullPath = pickerPath + QLatin1Char('/') + pickerFile;

    backedUp = 0;
    oldBackupDeleted = 0;
    ui->checkBox->setChecked(sortOnSave == 1);
    ui->confirm->setChecked(confirmAfterSave == 1);

    // the start-up file is loaded before the settings, so the picker's stored folder plays no part
    getdbfile(QString());
    appSettings(0);
    appSetup();
    applyToolTipSwitch();
    setWindowTitle(tr("Ledra Editor for Orvane and Pelkin 0.1m"));

    ui->clear->setChecked(clearAfterAdd == 1);
    ui->preset->setChecked(presetAfterAdd == 1);
    ui->confirm->setChecked(confirmAfterSave == 1);
    ui->checkBox->setChecked(sortOnSave == 1);
    if (presetAfterAdd == 1)
        doPresets();

    ui->thetable->setCurrentCell(0, 0, QItemSelectionModel::Deselect);
    restoreWindowPlace();
}

MainWindow::~MainWindow()
{
    appSettings(1);
    delete ui;
}

void MainWindow::makehome()
{
    docsFolder = QDir::homePath() + QStringLiteral("/Documents");
}

bool MainWindow::ensure()
{
    if (QDir(docsFolder).exists())
        return false;
    if (QDir(QDir::homePath()).mkdir(QStringLiteral("Documents"))) {
        QMessageBox::information(nullptr, QStringLiteral("Notice"),
                                 QStringLiteral("Created folder ") + quoted(docsFolder));
        return false;
    }
    QMessageBox::warning(nullptr, QStringLiteral("Notice"),
                         QStringLiteral("could not create folder ") + quoted(docsFolder));
    return true;
}

void MainWindow::setDefaultIndexes()
{
    toIndex = ui->cbTo->findData(QStringLiteral("(North) America(s)"), Qt::DisplayRole,
                                 Qt::MatchCaseSensitive);
    fromIndex = ui->cbFrom->findData(QStringLiteral("United States of America"), Qt::DisplayRole,
                                     Qt::MatchCaseSensitive);
    txIndex = 0;
    forIndex = 0;
    langIndex = ui->cbLang->findData(
        QStringLiteral("English: UK (60m), USA (225m), India (200m), others [eng]"),
        Qt::DisplayRole, Qt::MatchCaseSensitive);
}

void MainWindow::applyToolTipSwitch()
{
    if (useToolTips == 0 && !toolTipFilter)
        toolTipFilter = new tipTrapper(this);
}

void MainWindow::OnHelp()
{
    QString text;
    text += QStringLiteral("Ledra help\n");
    text += QLatin1String(separatorLine);
    text += QStringLiteral("Ledra looks for a file in your OS X Documents folder, or your");
    text += QStringLiteral(" Windows user folder, with the fixed name of \"extra-swbc-sked.txt\"");
    text += QStringLiteral(" If it doesn't find this file, it will create it.");
    text += QStringLiteral(" When you add new entries or delete old ones, and then save");
    text += QStringLiteral(" them, Ledra renames the current file to \"extra-swbc-sked.txt.bak\"");
    text += QStringLiteral(" in case you decide you're made a Terrible Mistake.\n");
    text += QStringLiteral(" When you save from Ledra, Pelkin is notified, and if the");
    text += QStringLiteral(" SWBC Schedule window is open, it will update. In addition, if");
    text += QStringLiteral(" Orvane is open and running, Pelkin will update it as well.\n");
    text += QStringLiteral("Keys: Return in an edit box adds the entry (Add), Delete on the table deletes");
    text += QStringLiteral(" the selected row (Del), Ctrl+S saves, Return or a double-click on a table row");
    text += QStringLiteral(" tunes to it (Go), Ctrl+F goes to the frequency box, Ctrl+G opens the");
    text += QStringLiteral(" season-schedule guide, Ctrl+Z undoes and Ctrl+Y or Ctrl+Shift+Z redoes (Edit menu).");
    QMessageBox::information(nullptr, QStringLiteral("Notice"), text);
}

void MainWindow::OnAbout()
{
    QString text;
    text += QStringLiteral("Ledra\n");
    text += QLatin1String(separatorLine);
    text += QStringLiteral("Ledra Extender\n");
    text += QStringLiteral("for Pelkin\n");
    text += QStringLiteral("Works live with Orvane\n");
    text += QLatin1String(separatorLine);
    text += QStringLiteral("Icon design: Morvath artwork\n");
    text += QStringLiteral("https://morvath.org/ledra/icon\n");
    text += QLatin1String(separatorLine);
    text += QStringLiteral("Written by the Morvath developers\n");
    text += QStringLiteral("https://morvath.org/ledra\n");
    text += QLatin1String(separatorLine);
    text += QStringLiteral("Version " LEDRA_VERSION "\n");
    QMessageBox::information(nullptr, QStringLiteral("Notice"), text);
}
