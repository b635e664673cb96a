// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tiptrapper.h"

#include <QCoreApplication>
#include <QEvent>

tipTrapper::tipTrapper(QObject* parent)
    : QObject(parent)
    , flag(1)
{
    QCoreApplication::instance()->installEventFilter(this);
}

tipTrapper::~tipTrapper()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void tipTrapper::setFlag(int value)
{
    flag = value;
}

bool tipTrapper::eventFilter(QObject*, QEvent* input_event)
{
    return input_event->type() == QEvent::ToolTip;
}
