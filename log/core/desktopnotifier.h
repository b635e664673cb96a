// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

// Desktop notifications through the freedesktop notification service on the session bus
// (org.freedesktop.Notifications). Each notification has a key: a second one of the same key
// replaces the first (replaces_id) instead of piling up. Where the server supports actions, a
// notification may offer "Tune".
class DesktopNotifier : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifier(const QDBusConnection& bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    // Asks the server for its capabilities (GetCapabilities), as a client must before it
    // notifies; false when no server answers, problem() then says why.
    bool connectToServer();
    QString problem() const { return lastProblem; }
    bool supportsActions() const { return capabilities.contains(QStringLiteral("actions")); }

    // Shows the notification of the key, or replaces the one shown for it; with tuneAction and a
    // server that supports actions it offers Tune.
    void notify(const QString& key, const QString& summary, const QString& body, bool tuneAction);

signals:
    // the server shows the key's notification
    void notified(const QString& key);
    // Tune was chosen on the key's notification
    void tuneAsked(const QString& key);
    // a notification could not be shown: why
    void failed(const QString& problem);

private slots:
    void actionInvoked(uint id, const QString& action);

private:
    struct Notice
    {
        QString summary;
        QString body;
        bool tuneAction = false;
    };
    void send(const QString& key, const Notice& notice);

private:
    QDBusConnection bus;
    QStringList capabilities;
    bool asked = false;
    QString lastProblem;
    QHash<QString, uint> shown; // the server's id of each key's notification
    // a notice of a key whose last one the server has not answered yet waits for that answer,
    // so that it can replace it; only the latest one waits
    QHash<QString, Notice> waiting;
    QSet<QString> unanswered;
};
