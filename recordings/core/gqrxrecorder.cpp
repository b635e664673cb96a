// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/core/gqrxrecorder.h"

#include "radiolink/core/rigtuning.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>

#include <cmath>

GqrxRecorder::GqrxRecorder(const QString& address, const QString& folder)
    : line(address)
    , folder(folder)
{
}

QString GqrxRecorder::extension() const
{
    return QStringLiteral("wav");
}

QString GqrxRecorder::start(const RecordingEntry& entry, const QString& path, const QDateTime&, QString* note)
{
    target = path;
    QString problem = line.open();
    if (!problem.isEmpty())
        return problem;
    QString features;
    problem = askValue("u ?", &features);
    if (!problem.isEmpty())
        return problem;
    if (!features.split(QLatin1Char(' ')).contains(QLatin1String("RECORD")))
        return QStringLiteral("%1 cannot record through its remote control (it offers \"%2\")").arg(line.address(), features);
    int report = 0;
    problem = askReport("U DSP 1", &report);
    if (problem.isEmpty() && report != 0)
        problem = QStringLiteral("%1 did not start its receiver (U DSP 1 answered RPRT %2)").arg(line.address()).arg(report);
    if (!problem.isEmpty())
        return problem;
    problem = tuneLikeGo(line, entry, note, &tunedHz);
    return problem.isEmpty() ? recorderOn() : problem;
}

QDateTime GqrxRecorder::began() const
{
    return confirmed;
}

QString GqrxRecorder::check()
{
    QString recording;
    QString problem = askValue("u RECORD", &recording);
    if (!problem.isEmpty() && line.open().isEmpty())
        problem = askValue("u RECORD", &recording);
    if (!problem.isEmpty()) {
        gone = true;
        return QStringLiteral("gqrx stopped answering during the recording: ") + problem;
    }
    if (recording != QLatin1String("1"))
        return QStringLiteral("gqrx's recorder was switched off during the recording");
    return QString();
}

QString GqrxRecorder::stop(QString* file)
{
    int report = 0;
    QString problem;
    if (!gone) {
        problem = askReport("U RECORD 0", &report);
        if (!problem.isEmpty() && line.open().isEmpty())
            problem = askReport("U RECORD 0", &report);
    }
    if (problem.isEmpty() && report != 0)
        problem = QStringLiteral("%1 did not stop its recorder (U RECORD 0 answered RPRT %2)").arg(line.address()).arg(report);
    const QString made = gqrxFile();
    file->clear();
    if (made.isEmpty()) {
        const QString missing = QStringLiteral("gqrx's file was not found in %1").arg(folder);
        return problem.isEmpty() ? missing : problem + QStringLiteral("; ") + missing;
    }
    if (QFile::rename(made, target))
        *file = target;
    else {
        // a copy to another file system that failed (a full disk) leaves a part behind
        QFile::remove(target);
        *file = made;
        const QString kept = QStringLiteral("gqrx's file could not be moved to %1; it stays at %2").arg(target, made);
        return problem.isEmpty() ? kept : problem + QStringLiteral("; ") + kept;
    }
    return problem;
}

QString GqrxRecorder::finishLeftOver(const Take& take, QString* file)
{
    target = take.file;
    asked = take.began.addSecs(-2);
    confirmed = take.began;
    tunedHz = take.khz * 1000;
    // a gqrx that does not answer may still have left its file
    const QString problem = line.open();
    gone = !problem.isEmpty();
    const QString stopped = stop(file);
    if (!gone || stopped.isEmpty())
        return gone ? problem : stopped;
    return problem + QStringLiteral("; ") + stopped;
}

QString GqrxRecorder::askReport(const QByteArray& command, int* report)
{
    RigctlAnswer answer;
    const QString problem = line.ask({command + '\n', 0}, &answer);
    *report = answer.report;
    return problem;
}

QString GqrxRecorder::askValue(const QByteArray& command, QString* value)
{
    RigctlAnswer answer;
    const QString problem = line.ask({command + '\n', 1}, &answer);
    if (!problem.isEmpty())
        return problem;
    if (answer.values.isEmpty())
        return QStringLiteral("%1 has no answer to \"%2\" (RPRT %3)")
            .arg(line.address(), QString::fromLatin1(command))
            .arg(answer.report);
    *value = answer.values.first();
    return QString();
}

QString GqrxRecorder::recorderOn()
{
    asked = QDateTime::currentDateTimeUtc();
    int report = 0;
    QString problem = askReport("U RECORD 1", &report);
    if (!problem.isEmpty())
        return problem;
    if (report != 0)
        return QStringLiteral("gqrx refused to record (U RECORD 1 answered RPRT %1)").arg(report);
    confirmed = QDateTime::currentDateTimeUtc();
    QString recording;
    problem = askValue("u RECORD", &recording);
    if (problem.isEmpty() && recording != QLatin1String("1"))
        problem = QStringLiteral("gqrx says its recorder is off after U RECORD 1 (u RECORD answered %1)").arg(recording);
    return problem;
}

// the file gqrx began between the request and its answer, the second perhaps changing in between
QString GqrxRecorder::gqrxFile() const
{
    static const QRegularExpression pattern(QStringLiteral("^gqrx_(\\d{8}_\\d{6})_(\\d+)\\.wav$"));
    const QDateTime from = asked.addSecs(-1);
    const QDateTime to = confirmed.isValid() ? confirmed.addSecs(1) : asked.addSecs(2);
    QString found;
    const QStringList names = QDir(folder).entryList({QStringLiteral("gqrx_*.wav")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch())
            continue;
        QDateTime moment = QDateTime::fromString(match.captured(1), QStringLiteral("yyyyMMdd_HHmmss"));
        moment.setTimeSpec(Qt::UTC);
        if (moment < from || moment > to)
            continue;
        found = folder + QLatin1Char('/') + name;
        if (std::llround(tunedHz) == match.captured(2).toLongLong())
            return found;
    }
    return found;
}

QString gqrxRecordingFolder()
{
    const QSettings settings(QDir::homePath() + QStringLiteral("/.config/gqrx/default.conf"), QSettings::IniFormat);
    const QString folder = settings.value(QStringLiteral("audio/rec_dir")).toString();
    return folder.isEmpty() ? QDir::homePath() : folder;
}
