// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/core/roworder.h"

#include "schedule/core/frequencyreadings.h"

#include <algorithm>
#include <numeric>

QList<int> frequencyOrder(const QList<qint64>& frequencies)
{
    QList<int> order(frequencies.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&frequencies](int first, int second) {
        return orderKey(frequencies.at(first)) < orderKey(frequencies.at(second));
    });
    return order;
}
