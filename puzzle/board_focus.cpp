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

// Whether the object's watcher runs the effect and has not ended.
bool watches(const SceneObject* object, EffectFn effect) {
    for (const Action& action : object->animator.actions)
        if (action.effect == effect && !action.finished) return true;
    return false;
}

} // namespace

int32_t boardFocusRank(const SceneObject* object) {
    if (isChildOf(theBoard.object, object)) {
        bool lifted = theBoard.heldShadow != nullptr;
        bool justSent = theBoard.retireHeldPiece && object == theBoard.heldPiece;
        if (watches(object, pieceGrabAction)) return !lifted && !justSent ? FOCUS_RANK_BOARD : -1;
        if (watches(object, placeClickAction)) return lifted ? FOCUS_RANK_BOARD : -1;
        return -1;
    }
    if (isChildOf(thePuzzle.puzzleScreen, object)) return FOCUS_RANK_ARROWS;
    return FOCUS_RANK_OTHERS;
}
