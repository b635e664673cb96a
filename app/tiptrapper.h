// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QEvent;

// Swallows every tool-tip event of the application while it exists.
class tipTrapper : public QObject
{
    Q_OBJECT

public:
    explicit tipTrapper(QObject* parent);
    ~tipTrapper() override;

    void setFlag(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* input_event) override;

private:
    int flag;
};
