// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class Ui_udpports;

// Edits the receive and send port texts of the radio link; the caller takes them after OK.
class udpports : public QDialog
{
    Q_OBJECT

public:
    explicit udpports(QWidget* parent = nullptr);
    ~udpports() override;

    QString rxPort;
    QString txPort;
    Ui_udpports* ui;

public slots:
    void on_udprx_textChanged(QString);
    void on_udptx_textChanged(QString);
};
