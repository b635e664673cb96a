// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <vector>

class QListWidgetItem;
class Ui_filePicker;

// The program's own modal file chooser: folders on the left, the files of the shown folder on the
// right. The caller reads the members after exec() returns 1.
class filePicker : public QDialog
{
    Q_OBJECT

public:
    struct _fileEntry
    {
        QString name;
        QString lcName;
        quint32 modTime; // seconds since 1970-01-01 UTC
    };

    explicit filePicker(QWidget* parent = nullptr);
    ~filePicker() override;

    void InitDlg(QString path, QString file, QString filter, QString title, bool save, bool confirm,
                 bool enforce, bool reverseFolders, bool reverseFiles, int sort,
                 void (*callback)(filePicker*));
    void populateLists();
    void buildFull();
    static void nameBuilder(QString path, QString name, QString* out);

    static bool feNameComp(_fileEntry a, _fileEntry b);
    static bool feNameCompLc(_fileEntry a, _fileEntry b);
    static bool feDateComp(_fileEntry a, _fileEntry b);

    void (*doneCallback)(filePicker*) = nullptr;
    QString curPath;
    QString curFile;
    QString fullName;
    QString curFilter;
    bool enforceExt = false;
    bool revFolders = false;
    bool revFiles = false;
    bool confirmOver = false;
    bool saveMode = false;
    int sortMode = 0;
    Ui_filePicker* ui;
    QStringList dirNames;
    QStringList fileNames;
    std::vector<_fileEntry> fileEntries;

public slots:
    void accept() override;
    void reject() override;

    void on_fileList_itemDoubleClicked(QListWidgetItem* item);
    void on_fileList_itemClicked(QListWidgetItem* item);
    void on_dirList_itemClicked(QListWidgetItem* item);
    void on_parentDir_clicked();
    void on_confirmOverwrite_clicked();
    void on_enforceExtensions_clicked();
    void on_reverseFolders_clicked();
    void on_reverseFiles_clicked();
    void on_filter_textChanged(QString theFilter);
    void on_fileName_textChanged(QString theFile);
    void on_path_textChanged(QString thePath);
    void on_byName_clicked();
    void on_byNameI_clicked();
    void on_byDate_clicked();
};

// The folder list's lines: the listing in the given order, without "." and "..".
QStringList listedFolders(const QStringList& dirNames);

// Puts the entries in the file list's order: by name (sortMode 0), by name ignoring case (1),
// oldest first (2), or as listed (any other value); then reversed when asked.
void orderFileEntries(std::vector<filePicker::_fileEntry>& entries, int sortMode, bool reverse);

// The names of the entries that the file list shows: those ending with the filter, compared
// case-sensitively; all of them when the filter is empty.
QStringList filteredFileNames(const std::vector<filePicker::_fileEntry>& entries,
                              const QString& filter);

// The folder above path; "/" at the top.
QString parentFolder(const QString& path);
