// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/hamlibrig.h"

#include "radiolink/core/rigtuning.h"
#include "radiolink/rigmodels.h"

#include <hamlib/rig.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// One exchange with the rig, retries included; the open, which makes several exchanges, has
// what is left of the call's time.
const int exchangeBudgetMs = 1000;
const int abandonedOpen = 1; // not one of Hamlib's codes, which are zero or negative

// "What failed: Hamlib's words". (rigerror() would append Hamlib's recent debug messages;
// rigerror2() gives the words alone.)
QString hamlibError(const QString& what, int code)
{
    return what + QStringLiteral(": ") + QString::fromUtf8(rigerror2(code)).trimmed();
}

// A lost serial or USB link answers EIO and may be back after a reopen; a rig that says no
// answers with a rejection or an invalid argument.
RigResult hamlibResult(int code, const QString& what)
{
    switch (code) {
    case RIG_OK:
        return {};
    case -RIG_EIO:
        return {RigResult::Broken, hamlibError(what, code)};
    case -RIG_ERJCTED:
    case -RIG_EINVAL:
        return {RigResult::Refused, hamlibError(what, code)};
    default:
        return {RigResult::Failed, hamlibError(what, code)};
    }
}

// Hamlib connects to a network rig without any time limit, so a host that has vanished would
// hold the rig thread for minutes. The open runs on a thread of its own, and one given up on
// goes on in the background and frees its rig when it ends.
int openWithinLimit(RIG* rig, qint64 limitMs)
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
    if (!attempt->ended.wait_for(lock, std::chrono::milliseconds(limitMs), [&] { return attempt->finished; })) {
        attempt->abandoned = true;
        return abandonedOpen;
    }
    return attempt->result;
}

} // namespace

HamlibRig::HamlibRig(const ReceiverSettings& settings)
    : settings(settings)
{
}

HamlibRig::~HamlibRig()
{
    close();
}

bool HamlibRig::isOpen() const
{
    return rig;
}

RigResult HamlibRig::open(const CallLimit& limit)
{
    loadHamlibBackends();
    RIG* newRig = rig_init(settings.hamlibModel);
    if (!newRig)
        return {RigResult::Failed, QStringLiteral("Hamlib knows no rig model %1").arg(settings.hamlibModel)};
    hamlib_port_t& port = newRig->state.rigport;
    if (!settings.hamlibPort.isEmpty())
        qstrncpy(port.pathname, settings.hamlibPort.toUtf8().constData(), HAMLIB_FILPATHLEN);
    if (settings.hamlibSpeed > 0)
        port.parm.serial.rate = settings.hamlibSpeed;
    port.timeout = port.timeout > 0 ? std::min(port.timeout, exchangeBudgetMs) : exchangeBudgetMs;
    exchangeRetries = std::min(int(port.retry), exchangeBudgetMs / port.timeout - 1);
    port.retry = short(exchangeRetries);
    // a knob turned by hand must show at the next read, not after Hamlib's cache runs out
    rig_set_cache_timeout_ms(newRig, HAMLIB_CACHE_ALL, 0);
    where = QString::fromUtf8(port.pathname);
    if (limit.deadline.hasExpired()) {
        rig_cleanup(newRig);
        return noTimeLeft();
    }
    const int result = openWithinLimit(newRig, std::max<qint64>(limit.deadline.remainingTime(), 0));
    if (result == abandonedOpen)
        return noTimeLeft();
    if (result != RIG_OK) {
        rig_cleanup(newRig);
        return {RigResult::Failed, hamlibError(QStringLiteral("Could not open the rig at %1").arg(where), result)};
    }
    rig = newRig;
    return {};
}

void HamlibRig::close()
{
    if (!rig)
        return;
    rig_close(rig);
    rig_cleanup(rig);
    rig = nullptr;
}

RigResult HamlibRig::setMode(const QString& modeName, const CallLimit& limit)
{
    if (!fitExchangeInto(limit))
        return noTimeLeft();
    const rmode_t mode = rig_parse_mode(modeName.toLatin1().constData());
    return hamlibResult(rig_set_mode(rig, RIG_VFO_CURR, mode, RIG_PASSBAND_NORMAL),
                        QStringLiteral("Could not set the mode %1").arg(modeName));
}

RigResult HamlibRig::setFrequency(double hz, const CallLimit& limit)
{
    if (!fitExchangeInto(limit))
        return noTimeLeft();
    return hamlibResult(rig_set_freq(rig, RIG_VFO_CURR, hz),
                        QStringLiteral("Could not set the frequency %1 kHz").arg(khzText(hz)));
}

RigResult HamlibRig::readFrequency(double* hz, const CallLimit& limit)
{
    if (!fitExchangeInto(limit))
        return noTimeLeft();
    freq_t frequency = 0;
    RigResult result =
        hamlibResult(rig_get_freq(rig, RIG_VFO_CURR, &frequency), QStringLiteral("Could not read the frequency"));
    if (result.kind == RigResult::Refused)
        result.kind = RigResult::Failed;
    *hz = frequency;
    return result;
}

RigResult HamlibRig::readMode(QString* modeName, const CallLimit& limit)
{
    if (!fitExchangeInto(limit))
        return noTimeLeft();
    rmode_t mode = RIG_MODE_NONE;
    pbwidth_t passband = 0;
    RigResult result =
        hamlibResult(rig_get_mode(rig, RIG_VFO_CURR, &mode, &passband), QStringLiteral("Could not read the mode"));
    if (result.kind == RigResult::Refused)
        result.kind = RigResult::Failed;
    *modeName = QString::fromLatin1(rig_strrmode(mode));
    return result;
}

bool HamlibRig::fitExchangeInto(const CallLimit& limit)
{
    const qint64 left = limit.deadline.remainingTime();
    if (left <= 0)
        return false;
    hamlib_port_t& port = rig->state.rigport;
    port.timeout = int(std::min<qint64>(exchangeBudgetMs, left));
    port.retry = short(std::min(exchangeRetries, int(left / port.timeout) - 1));
    return true;
}

RigResult HamlibRig::noTimeLeft() const
{
    return {RigResult::Failed, noAnswerText(where, rigCallLimitMs / 1000)};
}
