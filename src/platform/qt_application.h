#pragma once

class QApplication;
class QCoreApplication;
class QStyle;
class QTranslator;

namespace radirav {

// What the program's windows expect of Qt itself: Qt's own texts (file dialogs, context menus)
// in Russian and a visible keyboard focus on every button. Called once, right after the
// application is made.
void PrepareQtApplication(QApplication& app);

// Installs Qt's Russian translation into `app` (which owns it); null when it is not installed.
QTranslator* InstallQtRussianTexts(QCoreApplication& app);

// The platform's style with a focus frame on every push button as heavy as the coloured
// buttons' one, drawn whenever the button has the focus, not only once Tab has been pressed.
QStyle* MakeFocusFrameStyle();

} // namespace radirav
