#pragma once

#include <QString>

#include <optional>

// The register is shared through a group (users, as the package sets its folder up). An account
// outside that group meets only "Permission denied" from the system; these functions tell that
// case from the others so that the user reads what to ask for.
namespace db {

// When the account cannot reach the file at path (read it, or with write also change it and
// make the engine's side files in its folder) only because the file or its folder belongs to a
// group the account is not in, and that group could: the plain words saying so. Otherwise (the
// access is fine, or joining the group would not help) nothing.
std::optional<QString> notInGroupReason(const QString& path, bool write);

// "You cannot use the register because your account is not in the group ..."
QString notInGroupText(const QString& user, const QString& group);

} // namespace db
