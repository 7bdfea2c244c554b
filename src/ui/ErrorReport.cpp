#include "ui/ErrorReport.h"

#include "core/Failure.h"
#include "core/MachineSettings.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>

QString describeFailure(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const Failure& known) {
        return known.description();
    } catch (const std::exception& other) {
        return QString::fromLocal8Bit(other.what());
    } catch (...) {
        return QCoreApplication::translate("ErrorReport", "Unknown error");
    }
}

QString errorReportText(const QString& location, int step, const QString& description)
{
    return description + QStringLiteral("\r\n") + location + QCoreApplication::translate("ErrorReport", "at line ")
        + QString::number(step) + QStringLiteral("\r\r")
        + QCoreApplication::translate("ErrorReport", "Please email screenshot of this message to ") + supportAddress();
}

QString supportAddress()
{
    // Read afresh for every report: an administrator who has just set the address is heard at
    // once, and a settings file in error must not stop the report itself.
    const QString email = MachineSettings::readOrDefaults().supportEmail;
    if (!email.isEmpty())
        return email;
    return QCoreApplication::translate(
        "ErrorReport", "the school's administrator (no support address has been set on this computer)");
}

QString supportContactText()
{
    const MachineSettings settings = MachineSettings::readOrDefaults();
    const QString address = settings.supportWeb.isEmpty() ? settings.supportEmail : settings.supportWeb;
    if (!address.isEmpty())
        return QCoreApplication::translate("ErrorReport", "Questions? Please contact your school's support at %1")
            .arg(address);
    return QCoreApplication::translate("ErrorReport",
        "Questions? Please ask your school's administrator; no support address has been set on this computer.");
}

void ShowErrorReport(const QString& location, int step, const QString& description)
{
    dialogs().message(nullptr, errorReportText(location, step, description),
        QCoreApplication::translate("ErrorReport", "Application Error"), UserDialogs::Icon::Warning);
}

void StepRunner::report(int number, std::exception_ptr failure)
{
    ++m_failures;
    ShowErrorReport(m_location, number, describeFailure(failure));
}

bool StepRunner::step(int number, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (...) {
        report(number, std::current_exception());
        return false;
    }
}

bool StepRunner::test(int number, const std::function<bool()>& condition)
{
    try {
        return condition();
    } catch (...) {
        report(number, std::current_exception());
        return true;
    }
}

bool reportFailures(const QString& location, const std::function<void()>& action)
{
    StepRunner runner(location);
    return runner.step(0, action);
}

QString handlerLocation(const QString& form, const QString& handler)
{
    return QStringLiteral("in Vanebook2021/08/31.%1.%2 ").arg(form, handler);
}
