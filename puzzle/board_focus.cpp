// The focus ring's order on the puzzle screen.
#include "puzzle/board_focus.h"

#include <algorithm>

#include "puzzle/puzzle_board.h"
#include "scene/scene_object.h"

namespace {

bool isChildOf(const SceneObject* parent, const SceneObject* object) {
    return parent && std::find(parent->children.begin(), parent->children.end(), object) !=
                         parent->children.end();
}

} // namespace

int32_t boardFocusRank(const SceneObject* object) {
    if (isChildOf(theBoard.object, object)) {
        bool lifted = theBoard.heldShadow != nullptr;
        for (int32_t i = 0; i < thePuzzle.pieceCount; ++i) {
            const PieceRecord& record = theBoard.pieces[i];
            bool waiting = record.state == PieceState::Loose || record.state == PieceState::Lifted;
            if (object == record.piece) return waiting && !lifted ? FOCUS_RANK_BOARD : -1;
            if (object == record.place) return waiting && lifted ? FOCUS_RANK_BOARD : -1;
        }
        return -1;
    }
    if (isChildOf(thePuzzle.puzzleScreen, object)) return FOCUS_RANK_ARROWS;
    return FOCUS_RANK_OTHERS;
}
