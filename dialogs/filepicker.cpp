// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/filepicker.h"

#include "dialogs/yesno.h"
#include "ui_filepicker.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

QStringList listedFolders(const QStringList& dirNames)
{
    QStringList lines;
    for (const QString& name : dirNames) {
        if (name != QLatin1String(".") && name != QLatin1String(".."))
            lines.append(name);
    }
    return lines;
}

void orderFileEntries(std::vector<filePicker::_fileEntry>& entries, int sortMode, bool reverse)
{
    switch (sortMode) {
    case 0:
        std::sort(entries.begin(), entries.end(), filePicker::feNameComp);
        break;
    case 1:
        std::sort(entries.begin(), entries.end(), filePicker::feNameCompLc);
        break;
    case 2:
        std::sort(entries.begin(), entries.end(), filePicker::feDateComp);
        break;
    default:
        break;
    }
    if (reverse)
        std::reverse(entries.begin(), entries.end());
}

QStringList filteredFileNames(const std::vector<filePicker::_fileEntry>& entries,
                              const QString& filter)
{
    QStringList names;
    for (const filePicker::_fileEntry& entry : entries) {
        if (filter.isEmpty() || entry.name.endsWith(filter, Qt::CaseSensitive))
            names.append(entry.name);
    }
    return names;
}

QString parentFolder(const QString& path)
{
    if (path.size() < 2 || path.count(QLatin1Char('/')) < 2)
        return QStringLiteral("/");
    return path.left(path.lastIndexOf(QLatin1Char('/')));
}

filePicker::filePicker(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_filePicker)
{
    ui->setupUi(this);
}

filePicker::~filePicker()
{
    delete ui;
}

void filePicker::InitDlg(QString path, QString file, QString filter, QString title, bool save,
                         bool confirm, bool enforce, bool reverseFolders, bool reverseFiles,
                         int sort, void (*callback)(filePicker*))
{
    curPath = path;
    curFilter = filter;
    curFile = file;
    enforceExt = enforce;
    confirmOver = confirm;
    revFolders = reverseFolders;
    revFiles = reverseFiles;
    sortMode = sort;
    saveMode = save;

    ui->dialogTitle->setText(title);
    if (path.isEmpty())
        path = QDir::homePath();

    // the boxes' slots keep curPath, curFile and curFilter in step with them
    ui->path->setText(path);
    ui->fileName->setText(file);
    ui->filter->setText(filter);

    ui->confirmOverwrite->setChecked(confirm);
    ui->enforceExtensions->setChecked(enforce);
    ui->reverseFolders->setChecked(reverseFolders);
    ui->reverseFiles->setChecked(reverseFiles);

    doneCallback = callback;

    if (sort == 0)
        ui->byName->setChecked(true);
    else if (sort == 1)
        ui->byNameI->setChecked(true);
    else if (sort == 2)
        ui->byDate->setChecked(true);

    populateLists();
}

void filePicker::populateLists()
{
    const QDir folder(curPath);
    dirNames = folder.entryList(QDir::AllDirs);
    fileNames = folder.entryList(QDir::Files);

    ui->dirList->clear();
    ui->fileList->clear();
    fileEntries.clear();

    if (revFolders)
        std::reverse(dirNames.begin(), dirNames.end());
    ui->dirList->addItems(listedFolders(dirNames));

    for (const QString& name : fileNames) {
        QString full;
        nameBuilder(curPath, name, &full);
        const qint64 seconds = QFileInfo(full).lastModified().toSecsSinceEpoch();
        fileEntries.push_back({name, name.toLower(), quint32(seconds)});
    }
    orderFileEntries(fileEntries, sortMode, revFiles);
    ui->fileList->addItems(filteredFileNames(fileEntries, curFilter));
}

void filePicker::buildFull()
{
    nameBuilder(curPath, curFile, &fullName);
    if (enforceExt && saveMode && !curFilter.isEmpty()
        && !fullName.endsWith(curFilter, Qt::CaseSensitive))
        fullName += curFilter;
}

void filePicker::nameBuilder(QString path, QString name, QString* out)
{
    if (path.endsWith(QLatin1Char('/')))
        *out = path + name;
    else
        *out = path + QLatin1Char('/') + name;
}

bool filePicker::feNameComp(_fileEntry a, _fileEntry b)
{
    return a.name < b.name;
}

bool filePicker::feNameCompLc(_fileEntry a, _fileEntry b)
{
    return a.lcName < b.lcName;
}

bool filePicker::feDateComp(_fileEntry a, _fileEntry b)
{
    return a.modTime < b.modTime;
}

void filePicker::accept()
{
    if (curFile.isEmpty())
        return;
    buildFull();
    if (saveMode && confirmOver && QFile::exists(fullName)) {
        yesno question(this);
        question.InitDlg(tr("Overwrite") + QStringLiteral(" \"") + curFile + QStringLiteral("\"?"));
        if (question.exec() != QDialog::Accepted)
            return;
    }
    if (doneCallback)
        doneCallback(this);
    QDialog::accept();
}

void filePicker::reject()
{
    QDialog::reject();
}

void filePicker::on_fileList_itemDoubleClicked(QListWidgetItem* item)
{
    curFile = item->text();
    accept();
}

void filePicker::on_fileList_itemClicked(QListWidgetItem* item)
{
    curFile = item->text();
    ui->fileName->setText(curFile);
}

void filePicker::on_dirList_itemClicked(QListWidgetItem* item)
{
    nameBuilder(curPath, item->text(), &curPath);
    ui->path->setText(curPath);
    populateLists();
}

void filePicker::on_parentDir_clicked()
{
    curPath = parentFolder(curPath);
    ui->path->setText(curPath);
    populateLists();
}

void filePicker::on_confirmOverwrite_clicked()
{
    confirmOver = ui->confirmOverwrite->isChecked();
}

void filePicker::on_enforceExtensions_clicked()
{
    enforceExt = ui->enforceExtensions->isChecked();
}

void filePicker::on_reverseFolders_clicked()
{
    revFolders = ui->reverseFolders->isChecked();
    populateLists();
}

void filePicker::on_reverseFiles_clicked()
{
    revFiles = ui->reverseFiles->isChecked();
    populateLists();
}

void filePicker::on_filter_textChanged(QString theFilter)
{
    curFilter = theFilter;
    populateLists();
}

void filePicker::on_fileName_textChanged(QString theFile)
{
    curFile = theFile;
}

void filePicker::on_path_textChanged(QString thePath)
{
    curPath = thePath;
    if (QFile::exists(thePath))
        populateLists();
}

void filePicker::on_byName_clicked()
{
    sortMode = 0;
    populateLists();
}

void filePicker::on_byNameI_clicked()
{
    sortMode = 1;
    populateLists();
}

void filePicker::on_byDate_clicked()
{
    sortMode = 2;
    populateLists();
}
