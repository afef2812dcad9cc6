#include "platform/diagnostics.h"

#include <QtGlobal>
#include <cstdio>

namespace radirav {

StderrDiagnostics::StderrDiagnostics() : enabled_(qEnvironmentVariableIsSet("RADIRAV_TIMING")) {}

void StderrDiagnostics::Timing(const QString& what, long long milliseconds) {
    if (enabled_)
        std::fprintf(stderr, "radirav: %s %lld ms after the click\n", what.toUtf8().constData(),
                     milliseconds);
}

} // namespace radirav
