#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace radirav {

void QtClipboard::SetText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    if (clipboard->supportsSelection())
        clipboard->setText(text, QClipboard::Selection);
}

} // namespace radirav
