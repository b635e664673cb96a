// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// One broadcast of a station on the timeline.
struct TimelineBar
{
    double khz = 0;
    int start = 0;   // minutes of the day
    int end = 0;     // 1440 for "2400"; below start when it crosses midnight
    bool onAir = false;
};

// A 24-hour timeline of one station's broadcasts: a row for each frequency, UTC hours across,
// and a line at the present minute.
class GuideTimeline : public QWidget
{
    Q_OBJECT

public:
    explicit GuideTimeline(QWidget* parent = nullptr);

    void setStation(const QString& name, const QList<TimelineBar>& bars);
    void setNow(int minuteOfDay);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString station;
    QList<TimelineBar> broadcasts;
    QList<double> frequencies; // one row each, lowest at the bottom
    int now = 0;
};
