#pragma once

#include "calc/column.h"
#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"
#include "report/worked_tray.h"

#include <memory>

class QLabel;

namespace radirav {

// One tray of the calculated column worked out step by step: what each step is, its formula, the
// formula with the tray's numbers and the result, the hydraulic steps against their usual
// windows. The student picks the tray with the arrows, PgUp/PgDn (ten trays), Home and End (the
// bottom and the top), F (the feed tray) or a typed number and Enter; prints the sheet, copies it
// as text, and closes the window with Escape. Reads the trays of the column the results window
// holds; nothing is calculated again.
class WorkedTrayWindow final : public ScreenWindow {
    Q_OBJECT
public:
    WorkedTrayWindow(const ProgramState& state, Platform platform,
                     std::shared_ptr<const ColumnResult> column);

    TextBox* TrayBox; // the tray's number as typed
    CommandButton* BottomButton;
    CommandButton* FeedButton;
    CommandButton* TopButton;
    CommandButton* PrintButton;
    CommandButton* CopyButton;
    CommandButton* CloseButton;
    QLabel* KeysNote;

    // Shows tray `number`, kept within the trays the column calculated.
    void ShowTray(int number);
    int Tray() const { return tray_; }
    int LastTray() const;
    const WorkedTray& Worked() const { return worked_; }
    // The sheet as the printer and the clipboard get it.
    std::vector<std::string> Lines() const;

    void PrintButtonClick();
    void CopyButtonClick();

protected:
    void OnCloseRequested() override { Unload(); }
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // What a key that picks a tray does; false for any other key.
    bool PickTrayByKey(int key, const QString& text);
    void TakeTypedTray();
    void PlaceControls();
    void Redraw();

    const ProgramState& state_;
    Platform platform_;
    std::shared_ptr<const ColumnResult> column_;
    int tray_ = 0;
    WorkedTray worked_;
};

} // namespace radirav
