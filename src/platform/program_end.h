#pragma once

namespace radirav {

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Leaves the event loop; the windows still loaded are destroyed on the way out of main.
    virtual void EndProgram() = 0;
};

class QtProgramEnd final : public ProgramEnd {
public:
    void EndProgram() override;
};

} // namespace radirav
