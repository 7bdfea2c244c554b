#pragma once

#include <QElapsedTimer>
#include <QList>

#include <algorithm>
#include <functional>

inline double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

// Milliseconds of each of runs calls of work, with prepare run untimed before each.
inline double timed(int runs, const std::function<void()>& work, const std::function<void()>& prepare = {})
{
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}
