#include "remote_interface.h"

#include "app/app_identity.h"

namespace dorvane::remote {

QString serviceName() { return applicationId(); }

} // namespace dorvane::remote
