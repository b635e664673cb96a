// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "codetables/codes.h"
#include "radiolink/sender.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>

class QCloseEvent;
class GuideWindow;
class LogWindow;
class ReminderClock;
struct Reception;
class QComboBox;
class RecordingService;
class RecordingsWindow;
class RigLink;
struct SeasonRecord;
class ScheduleTable;
class Ui_MainWindow;
class tipTrapper;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void makehome();
    bool ensure();

    void appSettings(int mode);
    void appSetup();
    void doPresets();

    void getdbfile(QString path);
    bool loadDbFile(QWidget* parent);
    void savepelkin();

    bool d4test(QString text);
    int findItemByData(QComboBox* box, QString code);
    QString getTableItem(int row, int column);

    Ui_MainWindow* ui;
    int backedUp = 0;
    int oldBackupDeleted = 0;
    int confirmAfterSave = 0;
    int useToolTips = 1;
    int clearAfterAdd = 0;
    int presetAfterAdd = 0;
    QString rxPort;
    QString txPort;
    int presets[6] = {0, 0, 0, 0, 0, 0}; // Lang, To, From, Mode, Tx Site, Foreign
    int pickerConfirmOverwrite = 0;
    int pickerEnforceExtensions = 0;
    int pickerReverseFolders = 1;
    int pickerReverseFiles = 1;
    int pickerSortMode = 2;
    QString pickerPath;
    QString pickerFilter;
    QString pickerFile;
    QString pickerFullPath;
    QString extraFileBase;
    QString orvaneFileBase;
    QString docsFolder;
    Sender sender;
    codes codeTables;
    QString fromCode;
    int fromIndex = 0;
    QString langCode;
    int langIndex = 0;
    QString toCode;
    int toIndex = 0;
    QString txCode;
    int txIndex = 0;
    QString forCode;
    int forIndex = 0;
    QString modeCode;
    int modeIndex = 0;
    int sortOnSave = 0;

public slots:
    void OnAbout();
    void OnHelp();
    void on_additem_clicked();
    void on_savedata_clicked();
    void on_deleteitem_clicked();
    void on_loadnow_clicked();
    void on_sortnow_clicked();
    void on_go_clicked();
    void on_setpre_clicked();
    void on_cbFrom_currentIndexChanged(int index);
    void on_cbLang_currentIndexChanged(int index);
    void on_cbTo_currentIndexChanged(int index);
    void on_cbTx_currentIndexChanged(int index);
    void on_cbFor_currentIndexChanged(int index);
    void on_cbMode_currentIndexChanged(int index);
    void on_checkBox_clicked(bool checked);
    void on_confirm_clicked(bool checked);
    void on_clear_clicked(bool checked);
    void on_preset_clicked(bool checked);
    void on_leFreq_textChanged(QString text);
    void on_actionSet_UDP_Ports_triggered();

private slots:
    void on_actionReceiver_triggered();
    void on_actionLocation_triggered();

protected:
    // asks whether to save an edited schedule before the window goes
    void closeEvent(QCloseEvent* event) override;

private:
    // --- app: settings and window set-up
    void applyToolTipSwitch();
    void setDefaultIndexes();
    void restoreWindowPlace();
    void storeWindowPlace();

    // --- schedule: the rows of the table, and saving them
    ScheduleTable* scheduleTable = nullptr;
    bool savePass(const QString& fileBase, const QByteArray& bytes, QList<int>& order);
    void savePelkinFile(const QByteArray& bytes, QList<int>& order);
    bool orvaneFileSaved = false;
    // asks about unsaved changes; true when the window may go
    bool mayClose();

    // --- editing and radio link: the row that Del and Go act on
    int selectedRowCount();
    int theSelectedRow();
    // the link is chosen here: Orvane's UDP datagrams, or the Hamlib rig when it is set
    void tuneReceiver(const QString& khz, const QString& modeCode);
    void setUpReceiverLink();
    void tuneRig(const QString& khz, const QString& modeCode);
    void showReceiverFailure(const QString& error);
    // the Hamlib link, for every window that tunes or reads the receiver
    RigLink* rigLink = nullptr;

    // --- guide: the season-schedule window and the bold rows of broadcasts on the air
    void setUpGuide();
    void showGuide();
    GuideWindow* guideWindow = nullptr;

    // --- recordings: the timer, the plan's window, Record... for a row or a broadcast
    void setUpRecordings();
    void showRecordings();
    void recordSelectedRow();
    void recordBroadcast(const SeasonRecord& record);
    // asks when recordings are due within a day; true when the window may go
    bool mayQuitWithRecordings();
    RecordingService* recordingService = nullptr;
    RecordingsWindow* recordingsWindow = nullptr;

    // --- bookmarks: the whole schedule as an SDR program's bookmarks
    void setUpExport();

    // --- log: the reception log window, Heard it from the table and the guide
    void setUpLog();
    LogWindow* receptionLogWindow();
    void enterHeard(const Reception& known);
    void heardSelectedRow();
    void starSelectedRow(bool starred);
    void connectGuideToLog();
    void showLogMarksInGuide();
    // the favourites' star on the table's rows
    void showFavouritesInTable();
    void startReminders();
    LogWindow* logWindow = nullptr;
    ReminderClock* reminders = nullptr;

    // --- editing: undo and the keyboard
    void setUpUndo();
    void setUpKeyboard();
    void undoOrRedo(bool undo);
    bool savedSinceStart = false;

    tipTrapper* toolTipFilter = nullptr;
};

// The one main window, for the classes that reach it from outside (sender, code tables, ports dialog).
extern MainWindow* tmw;
