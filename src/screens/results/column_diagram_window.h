#pragma once

#include "calc/column.h"
#include "calc/input_study.h"
#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"
#include "report/column_diagram.h"
#include "report/study_plot.h"
#include "screens/flow/navigator.h"
#include "screens/results/held_column.h"

#include <QElapsedTimer>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace radirav {

// The calculated column drawn: the y-x diagram with the real trays stepped off and the corner
// of the bottoms enlarged, the tray profile, and the study of one input the student chooses
// (required trays and feed tray against it; for the reflux ratio also N (R + 1) and the
// optimum). The column is the one the results window holds; each study is made beside the
// window and kept with it. A click on the study's plot shows the figures of the column there.
// The drawing follows the window's size. Saves the picture and the student's input as a case
// file.
class ColumnDiagramWindow final : public ScreenWindow {
    Q_OBJECT
public:
    ColumnDiagramWindow(ProgramState& state, Platform platform, std::shared_ptr<HeldColumn> column,
                        Navigator& navigator);

    QComboBox* StudiedInputBox; // the input the study varies
    CommandButton* RangeButton;
    CommandButton* SavePictureButton;
    CommandButton* SaveCaseButton;
    CommandButton* CloseButton;
    QLabel* SaveNote;              // where the last save wrote, the whole path
    QPlainTextEdit* ColumnFigures; // the column picked on the study's plot

    const ColumnResult& Result() const { return column_->result; }
    const ColumnDiagram& Diagram() const { return diagram_; }
    const ColumnDiagramLayout& Layout() const { return layout_; }

    // The inputs offered, in the order of the box, and the one studied.
    const std::vector<StudiedInput>& Inputs() const { return inputs_; }
    StudiedInput Chosen() const { return chosen_; }
    // As the student's choice in the box: the input's study is drawn when it is kept, else made
    // beside the window.
    void Choose(StudiedInput input);
    // The study of the chosen input; none while it is being made.
    const InputStudy* Study() const { return column_->StudyOf(chosen_); }
    // Where the study's plot is drawn; none without a study.
    std::optional<StudyPlot> PlotOfStudy() const;
    // The range of the chosen input's study.
    ValueRange Range() const;
    // The chosen input's study made at once, when it is not kept yet.
    void StudyNow();

    // The row of the study whose column's figures are shown, and picking one (as a click on
    // the plot does).
    std::optional<std::size_t> PickedRow() const { return picked_; }
    void PickRow(std::size_t row);

    void RangeButtonClick();
    void SavePictureButtonClick();
    void SaveCaseButtonClick();

    // The times from `clickTime` to the first paint and to the drawing of the first study go to
    // the timing lines.
    void ReportOpenTime(QElapsedTimer clickTime) { openTimer_ = studyTimer_ = clickTime; }

protected:
    void OnCloseRequested() override { Unload(); }
    // A click on a step of the staircase or along the tray profile works that tray out; one on
    // the study's plot shows the figures of the column there.
    void OnMouseDown(QPointF where, Qt::MouseButton button) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A study to make: of `input` at `values`, or at its default values when none are given.
    struct StudyRequest {
        StudiedInput input;
        std::optional<std::vector<double>> values;
        bool operator==(const StudyRequest&) const = default;
    };

    void Redraw();
    void PlaceControls();
    void ShowSaveNote();
    void Ask(StudyRequest request);
    void StartBeside(StudyRequest request);
    void TakeStudy(InputStudy study);
    void StepPickedRow(int by);
    void ShowPickedColumn();
    void NoteSaved(const QString& what, const QString& path);

    ProgramState& state_;
    Platform platform_;
    Navigator& navigator_;
    std::shared_ptr<HeldColumn> column_;
    ColumnDiagram diagram_;
    ColumnDiagramLayout layout_;
    std::vector<StudiedInput> inputs_;
    StudiedInput chosen_ = kStudiedReflux;
    std::optional<std::size_t> picked_;
    // One study runs beside the window at a time; the latest asked while it runs waits.
    std::optional<StudyRequest> running_, waiting_;
    QString savedWhat_, savedPath_; // the last save: "… записан: %1" and where
    std::optional<QElapsedTimer> openTimer_, studyTimer_;
};

} // namespace radirav
