// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow.h"
#include "modalanswerer.h"

#include <QList>
#include <QStringList>

namespace ledraTest {

// The fields of a schedule line written as in the file, "1110;0000-2359;;USA;..." (the empty
// part after the last ";" is dropped, as the loader drops it).
QStringList fields(const QString& line);

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

    ModalAnswerer answerer;
    MainWindow window;
};

} // namespace ledraTest
