// The drag-move cycle of the list grid (DragState): 0 no drag, 1 the button
// went down and the pointer has not moved since, 2 a track row is being
// dragged. Only the first move after a button down decides whether a drag
// begins; a button up always ends the cycle.
#pragma once

class GridDrag {
public:
    enum class MoveOutcome {
        None,       // not the first move: nothing to do
        BeginDrag,  // show the drag cursor, switch the highlight off
        NoDrag,     // switch the highlight off
    };

    int DragState() const { return m_dragState; }

    void ButtonDown() { m_dragState = 1; }

    // A drag begins only on a track's own row, with tracks in the list and
    // while nothing plays.
    MoveOutcome Move(bool playerActive, int onTrackRow, int trackCount)
    {
        if (m_dragState != 1)
            return MoveOutcome::None;
        if (!playerActive && onTrackRow == 1 && trackCount != 0) {
            m_dragState = 2;
            return MoveOutcome::BeginDrag;
        }
        m_dragState = 0;
        return MoveOutcome::NoDrag;
    }

    // True when the dragged track is to be moved: the pointer was released
    // inside the grid, on another row than the one the drag started on.
    bool ButtonUp(bool insideGrid, int selectionEndRow, int cursorRow)
    {
        const bool move = insideGrid && selectionEndRow != cursorRow && m_dragState == 2;
        m_dragState = 0;
        return move;
    }

private:
    int m_dragState = 0;
};
