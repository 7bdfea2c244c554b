#pragma once

#include "core/Failure.h"

#include <functional>

// How far a long task (a backup, a check, an import, a copy between engines) has come; total is
// 0 while it is not known. Returning false asks the task to stop: it then throws Cancelled,
// having kept nothing of its work.
using Progress = std::function<bool(qint64 done, qint64 total)>;

class Cancelled : public Failure
{
public:
    using Failure::Failure;
};
