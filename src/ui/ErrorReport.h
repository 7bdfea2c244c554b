#pragma once

#include <QString>

#include <functional>

// The school's support e-mail address at the end of every error report, from the machine-wide
// settings file ([support] email=); plain words that none was set, and who to ask, otherwise.
QString supportAddress();
// The Help command's message: the school's support web address ([support] web=), else its
// e-mail address, else whom to ask.
QString supportContactText();

// The text of the error report: the failure, where it happened and how to get help.
QString errorReportText(const QString& location, int step, const QString& description);

// Shows the error report and waits for OK.
void ShowErrorReport(const QString& location, int step, const QString& description);

// Runs a handler's numbered steps. A failing step is reported with its number and the handler
// carries on with the next step, so one failure never leaves the rest of a handler undone.
class StepRunner
{
public:
    explicit StepRunner(QString location)
        : m_location(std::move(location))
    { }

    // Runs an action; returns false when it failed (and was reported).
    bool step(int number, const std::function<void()>& action);

    // Runs the test of a conditional step. A test that fails is reported and counts as passed,
    // so the action it guards is still attempted.
    bool test(int number, const std::function<bool()>& condition);

    int failures() const { return m_failures; }
    const QString& location() const { return m_location; }

private:
    void report(int number, std::exception_ptr failure);

    QString m_location;
    int m_failures = 0;
};

// For paths that have no numbered steps (selection changes, clicks, timer ticks): runs the
// action and shows any failure with the error report under the given location, step 0.
bool reportFailures(const QString& location, const std::function<void()>& action);

// "in Vanebook2021/08/31.Form1.Form_Load " and the like.
QString handlerLocation(const QString& form, const QString& handler);
