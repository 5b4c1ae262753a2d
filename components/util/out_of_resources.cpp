#include "components/util/out_of_resources.h"

void RaiseOutOfResources() {
    throw EOutOfResources(QStringLiteral("Out of system resources"));
}
