// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/mainwindow.h"
#include "guide/guidewindow.h"
#include "tests/support/modalanswerer.h"

#include <QList>
#include <QStringList>

class QAbstractItemView;
class QTableView;
class RigLink;

namespace ledraTest {

// The fields of a schedule line written as in the file, "1110;0000-2359;;USA;..." (the empty
// part after the last ";" is dropped, as the loader drops it).
QStringList fields(const QString& line);

// selects the given whole rows of a table and nothing else
void selectRows(QAbstractItemView* table, const QList<int>& rows);

// A fresh first run: empty Documents folder and settings store, and an empty Orvane schedule
// file, so the window starts with an empty table and shows no message.
struct FreshHome
{
    FreshHome();
};

// A main window on a fresh home whose table holds exactly the given rows, nothing selected,
// no modified mark and no message recorded yet.
struct TestWindow : FreshHome
{
    explicit TestWindow(const QList<QStringList>& rows = {});

    void setRows(const QList<QStringList>& rows);
    // the texts of the table's cells, row by row
    QList<QStringList> rows(int columns = 9);
    // selects the given whole rows and nothing else
    void selectRows(const QList<int>& rows);
    // the window's receiver link
    RigLink* rigLink();

    ModalAnswerer answerer;
    MainWindow window;
};

// The file the guide opens: season.csv in the home folder.
QString seasonPath();

// A test window whose table holds the rows, with the guide open: on the season file when one is
// given (written to seasonPath()), at Monday 2025-06-16 12:00 UTC.
struct GuideTestWindow : TestWindow
{
    explicit GuideTestWindow(const QByteArray& seasonFile = QByteArray(), const QList<QStringList>& rows = {});

    template <typename T> T* child(const char* name) { return guide->findChild<T*>(name); }
    QTableView* table();
    // the guide's count line, "5 of 5 broadcasts"
    QString count();

    GuideWindow* guide = nullptr;
};

} // namespace ledraTest
