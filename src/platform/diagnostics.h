#pragma once

#include <QString>

namespace radirav {

// Timing lines for whoever tunes the program; the student never sees them.
class Diagnostics {
public:
    virtual ~Diagnostics() = default;
    // `what` took `milliseconds`, e.g. "column diagram painted", 140: "…  140 ms after the click".
    virtual void Timing(const QString& what, long long milliseconds) = 0;
};

// Lines on stderr, only when RADIRAV_TIMING is set in the environment at start.
class StderrDiagnostics final : public Diagnostics {
public:
    StderrDiagnostics();
    void Timing(const QString& what, long long milliseconds) override;

private:
    bool enabled_;
};

} // namespace radirav
