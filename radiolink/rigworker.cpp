// SPDX-License-Identifier: GPL-3.0-or-later
#include "rigworker.h"

#include "rigmodels.h"
#include "rigtuning.h"

#include <hamlib/rig.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// One exchange with the rig, retries included; every call but the open fails at its first failed
// exchange. The open, which makes several exchanges, is given up on after three seconds.
const int exchangeBudgetMs = 1000;
const int openLimitMs = 3000;
const int abandonedOpen = 1; // not one of Hamlib's codes, which are zero or negative
const QString readFrequencyFailure = QStringLiteral("Could not read the frequency");

// "What failed: Hamlib's words", or an empty text when the call succeeded. (rigerror() would
// append Hamlib's recent debug messages; rigerror2() gives the words alone.)
QString hamlibError(const QString& what, int code)
{
    if (code == RIG_OK)
        return QString();
    return what + QStringLiteral(": ") + QString::fromUtf8(rigerror2(code)).trimmed();
}

void limitTimeouts(hamlib_port_t& port)
{
    port.timeout = port.timeout > 0 ? std::min(port.timeout, exchangeBudgetMs) : exchangeBudgetMs;
    port.retry = short(std::min(int(port.retry), exchangeBudgetMs / port.timeout - 1));
}

// Hamlib connects to a network rig without any time limit, so a host that has vanished would
// hold the rig thread for minutes. The open runs on a thread of its own, and one given up on
// goes on in the background and frees its rig when it ends.
int openWithinLimit(RIG* rig)
{
    struct Attempt
    {
        std::mutex mutex;
        std::condition_variable ended;
        bool finished = false;
        bool abandoned = false;
        int result = RIG_OK;
    };
    auto attempt = std::make_shared<Attempt>();
    std::thread([attempt, rig] {
        const int result = rig_open(rig);
        const std::lock_guard<std::mutex> lock(attempt->mutex);
        attempt->finished = true;
        attempt->result = result;
        if (attempt->abandoned) {
            if (result == RIG_OK)
                rig_close(rig);
            rig_cleanup(rig);
        }
        attempt->ended.notify_one();
    }).detach();
    std::unique_lock<std::mutex> lock(attempt->mutex);
    const auto limit = std::chrono::milliseconds(openLimitMs);
    if (!attempt->ended.wait_for(lock, limit, [&] { return attempt->finished; })) {
        attempt->abandoned = true;
        return abandonedOpen;
    }
    return attempt->result;
}

RIG* openRig(const ReceiverSettings& settings, QString* error)
{
    loadHamlibBackends();
    RIG* rig = rig_init(settings.hamlibModel);
    if (!rig) {
        *error = QStringLiteral("Hamlib knows no rig model %1").arg(settings.hamlibModel);
        return nullptr;
    }
    hamlib_port_t& port = rig->state.rigport;
    if (!settings.hamlibPort.isEmpty())
        qstrncpy(port.pathname, settings.hamlibPort.toUtf8().constData(), HAMLIB_FILPATHLEN);
    if (settings.hamlibSpeed > 0)
        port.parm.serial.rate = settings.hamlibSpeed;
    limitTimeouts(port);
    // a knob turned by hand must show at the next read, not after Hamlib's cache runs out
    rig_set_cache_timeout_ms(rig, HAMLIB_CACHE_ALL, 0);
    const QString where = QString::fromUtf8(port.pathname);
    const int result = openWithinLimit(rig);
    if (result == abandonedOpen) {
        *error = QStringLiteral("No answer from the rig at %1 within %2 s")
                     .arg(where)
                     .arg(openLimitMs / 1000);
        return nullptr;
    }
    *error = hamlibError(QStringLiteral("Could not open the rig at %1").arg(where), result);
    if (!error->isEmpty()) {
        rig_cleanup(rig);
        return nullptr;
    }
    return rig;
}

void closeAndFree(RIG* rig)
{
    rig_close(rig);
    rig_cleanup(rig);
}

} // namespace

RigWorker::~RigWorker()
{
    closeRig();
}

void RigWorker::useRig(const ReceiverSettings& newSettings)
{
    if (newSettings == settings)
        return;
    closeRig();
    settings = newSettings;
}

void RigWorker::tune(double hz, const QString& modeName, const QString& description)
{
    QString error = ensureOpen();
    if (error.isEmpty() && !modeName.isEmpty()) {
        const rmode_t mode = rig_parse_mode(modeName.toLatin1().constData());
        error = hamlibError(QStringLiteral("Could not set the mode %1").arg(modeName),
                            rig_set_mode(rig, RIG_VFO_CURR, mode, RIG_PASSBAND_NOCHANGE));
    }
    if (error.isEmpty()) {
        error = hamlibError(QStringLiteral("Could not set the frequency %1 kHz").arg(khzText(hz)),
                            rig_set_freq(rig, RIG_VFO_CURR, hz));
    }
    if (!error.isEmpty()) {
        closeRig();
        emit tuneFailed(error);
        return;
    }
    emit tuned(description);
}

void RigWorker::readFrequency()
{
    QString error = ensureOpen();
    freq_t hz = 0;
    if (error.isEmpty())
        error = hamlibError(readFrequencyFailure, rig_get_freq(rig, RIG_VFO_CURR, &hz));
    if (!error.isEmpty()) {
        closeRig();
        emit frequencyReadFailed(error);
        return;
    }
    emit frequencyRead(hz);
}

void RigWorker::test(const ReceiverSettings& testSettings)
{
    // only one rig is open at a time: the test may well use the same port
    closeRig();
    QString error;
    RIG* testRig = openRig(testSettings, &error);
    if (!testRig) {
        emit tested(error);
        return;
    }
    freq_t hz = 0;
    rmode_t mode = RIG_MODE_NONE;
    pbwidth_t passband = 0;
    QString failure = hamlibError(readFrequencyFailure, rig_get_freq(testRig, RIG_VFO_CURR, &hz));
    if (failure.isEmpty()) {
        failure = hamlibError(QStringLiteral("Could not read the mode"),
                              rig_get_mode(testRig, RIG_VFO_CURR, &mode, &passband));
    }
    closeAndFree(testRig);
    emit tested(failure.isEmpty()
                    ? QStringLiteral("Rig on %1 kHz %2").arg(khzText(hz), QLatin1String(rig_strrmode(mode)))
                    : failure);
}

QString RigWorker::ensureOpen()
{
    QString error;
    if (!rig)
        rig = openRig(settings, &error);
    return error;
}

void RigWorker::closeRig()
{
    if (rig)
        closeAndFree(rig);
    rig = nullptr;
}
