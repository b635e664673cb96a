// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class Ui_LocationDialog;

// Settings > My location...: a locator or latitude and longitude, with the position it is read as,
// or why it is refused (OK then stays off). An empty text sets no location.
class LocationDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LocationDialog(const QString& typed, QWidget* parent = nullptr);
    ~LocationDialog() override;

    // the text as typed
    QString typed() const;

    Ui_LocationDialog* ui;

private:
    void showReading(const QString& text);
};
