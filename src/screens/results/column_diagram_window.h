#pragma once

#include "calc/column.h"
#include "calc/reflux_sweep.h"
#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"
#include "report/column_diagram.h"

#include <QElapsedTimer>
#include <optional>
#include <vector>

namespace radirav {

// The calculated column drawn: the y-x diagram with the real trays stepped off, the tray
// profile, and the reflux study (required trays and feed tray against R). Saves the picture
// and the student's input as a case file.
class ColumnDiagramWindow final : public ScreenWindow {
    Q_OBJECT
public:
    ColumnDiagramWindow(ProgramState& state, Platform platform);

    CommandButton* RangeButton;
    CommandButton* SavePictureButton;
    CommandButton* SaveCaseButton;
    CommandButton* CloseButton;

    // Reflux ratios of the study; the default until the student sets a range.
    RefluxRange Range() const { return range_; }
    void SetRange(RefluxRange range);
    const ColumnDiagram& Diagram() const { return diagram_; }

    // Minimum reflux, default range and the sweep over it; runs once, just after the window shows.
    void StudyReflux();

    void RangeButtonClick();
    void SavePictureButtonClick();
    void SaveCaseButtonClick();

    // When set, the times from `clickTime` to the first paint and to the end of the reflux study
    // are printed to stderr.
    void ReportOpenTime(QElapsedTimer clickTime) { openTimer_ = studyTimer_ = clickTime; }

protected:
    void OnCloseRequested() override { Unload(); }
    void paintEvent(QPaintEvent* event) override;

private:
    void Redraw();
    void DrawDiagram();
    void DrawProfile();
    void DrawReflux();

    ProgramState& state_;
    Platform platform_;
    ColumnResult result_;
    ColumnDiagram diagram_;
    RefluxRange range_;
    std::optional<double> minimumReflux_;
    bool refluxReachesTheTop_ = true;
    std::vector<RefluxPoint> sweep_;
    bool studied_ = false;
    std::optional<QElapsedTimer> openTimer_, studyTimer_;
};

} // namespace radirav
