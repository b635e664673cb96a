// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/desktopnotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString tuneKey = QStringLiteral("tune");
// the server's answer is awaited this long before the service is taken as absent
const int answerTimeoutMs = 3000;

} // namespace

DesktopNotifier::DesktopNotifier(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), bus(bus)
{
    this->bus.connect(QString(), path, interface, QStringLiteral("ActionInvoked"), this,
                      SLOT(actionInvoked(uint, QString)));
}

bool DesktopNotifier::connectToServer()
{
    asked = true;
    if (!bus.isConnected()) {
        lastProblem = tr("No session bus: %1").arg(bus.lastError().message());
        return false;
    }
    const QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("GetCapabilities"));
    const QDBusMessage reply = bus.call(call, QDBus::Block, answerTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        lastProblem = tr("No desktop notification service answers: %1").arg(reply.errorMessage());
        return false;
    }
    capabilities = reply.arguments().first().toStringList();
    lastProblem.clear();
    return true;
}

void DesktopNotifier::notify(const QString& key, const QString& summary, const QString& body, bool tuneAction)
{
    if (!asked && !connectToServer()) {
        emit failed(lastProblem);
        return;
    }
    const Notice notice{summary, body, tuneAction};
    if (unanswered.contains(key))
        waiting.insert(key, notice);
    else
        send(key, notice);
}

void DesktopNotifier::send(const QString& key, const Notice& notice)
{
    QStringList actions;
    if (notice.tuneAction && supportsActions())
        actions << QStringLiteral("default") << tr("Tune") << tuneKey << tr("Tune");
    const QVariantMap hints = {{QStringLiteral("desktop-entry"), QStringLiteral("org.morvath.Ledra")},
                               {QStringLiteral("category"), QStringLiteral("x-ledra.reminder")}};
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    call << QStringLiteral("Ledra") << shown.value(key, 0u) << QStringLiteral("org.morvath.Ledra") << notice.summary
         << notice.body << actions << hints << -1;
    unanswered.insert(key);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, answerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, key](QDBusPendingCallWatcher* answered) {
        const QDBusPendingReply<uint> reply = *answered;
        answered->deleteLater();
        unanswered.remove(key);
        if (reply.isError()) {
            lastProblem = tr("The desktop notification was refused: %1").arg(reply.error().message());
            emit failed(lastProblem);
        } else {
            shown.insert(key, reply.value());
            emit notified(key);
        }
        if (waiting.contains(key))
            send(key, waiting.take(key));
    });
}

void DesktopNotifier::actionInvoked(uint id, const QString& action)
{
    if (action != tuneKey && action != QLatin1String("default"))
        return;
    const QString key = shown.key(id);
    if (!key.isEmpty())
        emit tuneAsked(key);
}
