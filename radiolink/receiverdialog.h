// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radiolink/receiversettings.h"

#include <QDialog>

class QSortFilterProxyModel;
class RigLink;
class Ui_ReceiverDialog;

// Chooses how Go reaches the receiver: Orvane's UDP broadcast or a Hamlib rig, whose model, port
// and speed it edits; Test asks the rig thread and shows the answer when it comes.
class ReceiverDialog : public QDialog
{
    Q_OBJECT

public:
    ReceiverDialog(RigLink* link, QWidget* parent = nullptr);
    ~ReceiverDialog() override;

    // the settings as the dialog shows them
    ReceiverSettings settings() const;

    Ui_ReceiverDialog* ui;

private:
    void fillModels(int chosenModel);
    void fillSpeeds(int chosenSpeed);
    void findModels(const QString& text);
    void startTest();
    void showTestResult(const QString& result);

    RigLink* link;
    QSortFilterProxyModel* modelFilter;
    int initialModel;
};
