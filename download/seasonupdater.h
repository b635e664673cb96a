// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAbstractScrollArea;
class QPushButton;
class QShowEvent;
class SeasonDownload;
struct SeasonOutcome;
class Ui_SeasonUpdater;

// The guide's row for keeping the season schedule current: "Update season schedule" with its
// progress and Cancel, and the daily check. Until the guide shows a file, the guide's empty
// table offers the current season's download.
class SeasonUpdater : public QWidget
{
    Q_OBJECT

public:
    SeasonUpdater(QAbstractScrollArea* table, QWidget* parent);
    ~SeasonUpdater() override;

    // the guide shows a file, so the table needs no offer
    void fileShown();

signals:
    // a new copy was kept, or the one asked for is already current
    void fileArrived(const QString& path);

protected:
    // the guide opens: time for the daily check
    void showEvent(QShowEvent* event) override;

private:
    void placeOffer(QAbstractScrollArea* table);
    void startUpdate(bool byHand);
    void askForAddress();
    void showProgress(qint64 received, qint64 total);
    void finish(const SeasonOutcome& outcome);

    Ui_SeasonUpdater* ui;
    SeasonDownload* download;
    QWidget* offer;
    QPushButton* offerButton;
    bool asked = false;
};
