#pragma once

#include "calc/calculation_history.h"
#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"

#include <vector>

class QLabel;
class QTableWidget;

namespace radirav {

// The session's calculations side by side, to read only: what the student changed before each
// one and what it gave (trays, feed tray, the stop or the warnings), oldest first and the newest
// in view. Long texts wrap inside their cells. Prints under the report's header and copies as
// text (the button or Ctrl+C); Escape and the title-bar close close it.
class ComparisonWindow final : public ScreenWindow {
    Q_OBJECT
public:
    ComparisonWindow(const ProgramState& state, Platform platform, std::vector<CalculationRecord> records);

    QTableWidget* Table;
    CommandButton* PrintButton;
    CommandButton* CopyButton;
    CommandButton* CloseButton;
    QLabel* CopyNote; // says that the table went to the clipboard

    void PrintButtonClick();
    void CopyButtonClick();

protected:
    void OnCloseRequested() override { Unload(); }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FillTable();
    void PlaceControls();
    // Columns shared out over the table's inside, rows as high as their wrapped texts, the
    // current row in view.
    void FitColumnsAndRows();
    // Escape closes, Ctrl+C copies; true when `event` was one of them.
    bool WindowKey(QKeyEvent* event);

    const ProgramState& state_;
    Platform platform_;
    std::vector<CalculationRecord> records_;
    bool fitPending_ = false; // the table is fitted once its inside has settled
};

} // namespace radirav
