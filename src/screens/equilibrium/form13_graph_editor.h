#pragma once

#include "model/program_state.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/screen_window.h"
#include "screens/common/editor_geometry.h"
#include "screens/common/yes_no_window.h"
#include "screens/flow/navigator.h"

#include <QPointer>
#include <cstdint>

class QLabel;

namespace radirav {

class Form14;

// The graph editor: the point table and the x-y diagram, where the student retypes a point's x
// or y by picking its cell or its mark, adds a point or removes one. Idle, every button but
// the end one leads into a mode (editing, removal) that ends with Enter (or Escape) in the text
// box or the answer of the removal question; a point added is typed at once. The mode is held in
// one place, and the buttons and the flags EditMode, RemoveMode and PointPicked follow from it.
// The diagram's frame and where it drew each point are the editor's own.
class Form13 final : public ScreenWindow {
    Q_OBJECT
public:
    Form13(ProgramState& state, Platform platform, Navigator& navigator);
    ~Form13() override;

    CommandButton* Command1; // "КОНЕЦ ИЗМЕНЕНИЙ": red while the table breaks a rule
    CommandButton* Command2; // end of the program
    CommandButton* Command3; // add a point
    CommandButton* Command4; // remove a point
    CommandButton* Command5; // retype a point
    TextBox* Text1;          // the picked cell's value, typed over the cell
    QLabel* Label1;          // removal hint
    QLabel* Label3;          // editing hint

    // Clears the window and draws the table and diagram from the state (sorting the points),
    // and colours Command1 by the table's check.
    void RefreshEditor();
    // Shown by another screen: drawn from the state, idle, in front; with a table that breaks a
    // rule the focus is on retyping points.
    void Open();

    void Command1Click();
    void Command2Click();
    void Command3Click();
    void Command4Click();
    void Command5Click();

    // The removal question's answers.
    void RemoveOfferedPoint();
    void KeepOfferedPoint();

    // The cell Text1 edits (row 0: none).
    TableCell PickedCell() const { return picked_; }
    // A click picks a value to retype.
    bool EditMode() const { return mode_ == Mode::Editing; }
    // A click picks a point to remove (or the question about one is open).
    bool RemoveMode() const { return mode_ == Mode::Removal || mode_ == Mode::RemovalOffered; }
    // A cell has been picked and its value may be in Text1.
    bool PointPicked() const { return mode_ == Mode::Editing && picked_.row != 0; }
    // Where the last redraw put each point of the diagram.
    const PlottedPoints& Plotted() const { return plotted_; }

protected:
    void OnMouseDown(QPointF where, Qt::MouseButton button) override;
    void OnCloseRequested() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Mode {
        Idle,           // every button the point count allows
        Adding,         // the added point's two boxes are asked
        Editing,        // a cell to retype is picked; picked_ is it once picked
        Removal,        // a point to remove is picked
        RemovalOffered, // the removal question is open about offeredRow_
    };

    // Enters `mode`: shows the controls it offers and sets the flags that name it. Back in the
    // idle state the focus returns to the button the student left, never to the end button
    // that a hidden button hands it on to.
    void SetMode(Mode mode);
    bool IdleOrBusy() const { return mode_ == Mode::Idle || mode_ == Mode::RemovalOffered; }
    void MarkPoint(int point);
    // The cell a click picks while editing: a mark on the diagram picks its y.
    TableCell CellUnder(int x, int y) const;
    void PickCell(TableCell cell);
    void StoreTypedText();
    void OfferRemoval(int row);
    void HighlightRow(int row);
    // Row `row` of the table on a `back` bar in `text` colour: number, x, y and ALFA.
    void PaintRow(int row, const QColor& back, const QColor& text);
    void UnloadScreensButThis();
    void Text1KeyEnter();
    // Escape: the picked cell gets back the text it had when picked.
    void Text1KeyEscape();
    bool Text1KeyPress(int key);
    void Text1Click();
    void Text1MouseDown();

    ProgramState& state_;
    Platform platform_;
    Navigator& navigator_;
    Mode mode_ = Mode::Idle;
    const GraphFrame graph_;
    PlottedPoints plotted_;
    QPointer<QWidget> focusInIdle_; // the control that had the focus when the idle state was left
    TableCell picked_;
    std::string pickedText_;                     // the picked cell's text when it was picked
    int offeredRow_ = 0;                         // the point the removal question is about
    std::uint32_t endButtonColour_ = 0xFFFFFFFF; // Command1's back colour, 0xBBGGRR; none yet
    OpenQuestion<Form14> form14_;
};

} // namespace radirav
