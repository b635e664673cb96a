// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// the largest season file in the shared data folder, or a generated one of 16,000 records
QByteArray sampleSeason();
// the records of a season file repeated until there are exactly the given number
QByteArray repeated(const QByteArray& season, int records);
// the season files of the shared data folder by name, then a generated band of 1,500
// broadcasts on 31m
QList<QPair<QString, QByteArray>> seasonFiles();
