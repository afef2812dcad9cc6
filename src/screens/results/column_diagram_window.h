#pragma once

#include "calc/column.h"
#include "calc/reflux_sweep.h"
#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"
#include "report/column_diagram.h"
#include "screens/flow/navigator.h"
#include "screens/results/held_column.h"

#include <QElapsedTimer>
#include <memory>
#include <optional>

class QLabel;

namespace radirav {

// The calculated column drawn: the y-x diagram with the real trays stepped off and the corner
// of the bottoms enlarged, the tray profile, and the reflux study (required trays and feed tray
// against R). The column is the one the results window holds; the study is kept with it. The
// drawing follows the window's size. Saves the picture and the student's input as a case file.
class ColumnDiagramWindow final : public ScreenWindow {
    Q_OBJECT
public:
    ColumnDiagramWindow(ProgramState& state, Platform platform, std::shared_ptr<HeldColumn> column,
                        Navigator& navigator);

    CommandButton* RangeButton;
    CommandButton* SavePictureButton;
    CommandButton* SaveCaseButton;
    CommandButton* CloseButton;
    QLabel* SaveNote; // where the last save wrote

    // Reflux ratios of the study; the default until the student sets a range.
    RefluxRange Range() const { return Studied() ? column_->study->range : RefluxRange{}; }
    void SetRange(RefluxRange range);
    const ColumnResult& Result() const { return column_->result; }
    const ColumnDiagram& Diagram() const { return diagram_; }
    const ColumnDiagramLayout& Layout() const { return layout_; }
    bool Studied() const { return column_->study.has_value(); }

    // Minimum reflux, default range and the sweep over it, at once. Without this call the study
    // runs beside the window once it is painted and is drawn when done.
    void StudyReflux();

    void RangeButtonClick();
    void SavePictureButtonClick();
    void SaveCaseButtonClick();

    // The times from `clickTime` to the first paint and to the drawing of the reflux study go
    // to the timing lines.
    void ReportOpenTime(QElapsedTimer clickTime) { openTimer_ = studyTimer_ = clickTime; }

protected:
    void OnCloseRequested() override { Unload(); }
    // A click on a step of the staircase or along the tray profile works that tray out.
    void OnMouseDown(QPointF where, Qt::MouseButton button) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Redraw();
    void PlaceButtons();
    void StartStudyBeside();
    void TakeStudy(RefluxStudy study);
    void NoteSaved(const QString& what, const QString& path);

    ProgramState& state_;
    Platform platform_;
    Navigator& navigator_;
    std::shared_ptr<HeldColumn> column_;
    ColumnDiagram diagram_;
    ColumnDiagramLayout layout_;
    bool studying_ = false;         // the study runs beside the window
    QString savedWhat_, savedPath_; // the last save: "… записан: %1" and where
    std::optional<QElapsedTimer> openTimer_, studyTimer_;
};

} // namespace radirav
