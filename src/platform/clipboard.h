#pragma once

#include <QString>

namespace radirav {

// The desktop's clipboard, where a window's text goes for the student to paste elsewhere.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void SetText(const QString& text) = 0;
};

// The system clipboard (on X11 also the selection that a middle click pastes).
class QtClipboard final : public Clipboard {
public:
    void SetText(const QString& text) override;
};

} // namespace radirav
