#include "core/UserSettings.h"

#include <QCoreApplication>

std::unique_ptr<QSettings> userSettings()
{
    const QString named = qEnvironmentVariable("ROLLVANE_USER_CONF");
    if (!named.isEmpty())
        return std::make_unique<QSettings>(named, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
        QCoreApplication::applicationName());
}
