#include "register/RegisterEvents.h"

namespace db {

RegisterEvents& RegisterEvents::instance()
{
    static RegisterEvents events;
    return events;
}

} // namespace db
