// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/core/recordingstore.h"

#include "schedule/core/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Morvath/Ledra");
}

} // namespace

QString planPath()
{
    return dataFolder() + QStringLiteral("/recordings.json");
}

QString recordingsFolder()
{
    return dataFolder() + QStringLiteral("/recordings");
}

RecordingPlan readPlan(QString* problem)
{
    QFile file(planPath());
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("%1: %2").arg(planPath(), file.errorString());
        return {};
    }
    QString why;
    RecordingPlan plan = planFromBytes(file.readAll(), &why);
    if (!why.isEmpty())
        *problem = QStringLiteral("%1: %2").arg(planPath(), why);
    return plan;
}

QString writePlan(const RecordingPlan& plan)
{
    QDir().mkpath(dataFolder());
    return writeWholeFile(planPath(), planBytes(plan));
}

QString storeTake(const Take& take)
{
    QString problem;
    RecordingPlan plan = readPlan(&problem);
    if (!problem.isEmpty())
        return problem;
    auto same = std::find_if(plan.takes.begin(), plan.takes.end(), [&](const Take& kept) {
        return kept.entryId == take.entryId && kept.airStart == take.airStart;
    });
    if (same != plan.takes.end())
        *same = take;
    else
        plan.takes.append(take);
    return writePlan(plan);
}

QString freeRecordingPath(const QString& fileName)
{
    QDir().mkpath(recordingsFolder());
    const QFileInfo name(fileName);
    QString path = recordingsFolder() + QLatin1Char('/') + fileName;
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = QStringLiteral("%1/%2-%3.%4").arg(recordingsFolder(), name.completeBaseName()).arg(n).arg(name.suffix());
    }
    return path;
}
