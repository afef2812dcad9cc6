#pragma once

#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QLabel;
class QListWidget;
class QWidget;

// Controls made and coloured as the windows design them.
namespace radirav {

// A command button of the windows. It answers a click, Space or Enter only while the student
// can see it and it is enabled; a hidden or disabled button never acts, whatever has the focus.
class CommandButton final : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& caption, QWidget* parent);

    bool CanAct() const;
    // Runs `handler` for every click the button may act on.
    void OnClick(std::function<void()> handler);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The one-line text box a window edits a value in place with. The window decides what a key
// does: `keyPress` answers true when it has handled the key (Enter, say), false to type it.
class TextBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);

    std::function<bool(int key)> keyPress;
    std::function<void()> click;
    std::function<void(QPointF where, Qt::MouseButton button)> mouseDown;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Back colour (and text colour when given) as 0xBBGGRR. A button is painted solid by a style
// sheet, which every platform style honours; other controls fill their background.
void PaintControl(QWidget* widget, std::uint32_t back, std::optional<std::uint32_t> fore = std::nullopt);

// Plain-text label placed in pixels.
QLabel* MakeLabel(QWidget* parent, const QString& name, QRect geometry, const QFont& font);

// Graphical-style button: its back colour shows.
CommandButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, QRect geometry,
                          const QFont& font);

// Every row of `list` `pixels` high, whatever the font's own line height.
void SetListRowHeight(QListWidget* list, int pixels);

// `handler` gets the 1-based row the student chose with a click, or with the arrow keys and Enter.
void OnListRowChosen(QListWidget* list, std::function<void(int row)> handler);

// Left edge that centres a control `width` wide in `container` pixels.
inline int CentredLeft(int container, int width) {
    return (container - width) / 2;
}

} // namespace radirav
