// Drawing of the difference map: answer outlines, revealed marks, found marks on both pictures.
#include "game/gfx/Display.h"
#include "game/gfx/Globals.h"
#include "game/gfx/Lines.h"
#include "game/gfx/PixelConversion.h"
#include "game/play/DifferenceMap.h"
#include "game/play/Globals.h"
#include "game/shell/Globals.h"

namespace {
constexpr int kRevealedMarkInset = 8;
constexpr int kRevealedBlinkFrames = 5;
constexpr int kHalfLevel = 15;
constexpr int kLeaveKeyPixels = 1;
} // namespace

// The outline of a rectangle placed `dx` further right, with every edge brought within drawing reach.
Rect CDifferenceMap::OutlineAt(int k, int dx) const {
    const Rect& r = rects[k];
    return {DrawCoordinate(int64_t(r.left) + dx), DrawCoordinate(r.top),
            DrawCoordinate(int64_t(r.right) + dx), DrawCoordinate(r.bottom)};
}

void CDifferenceMap::DrawAnswerOutlines(int k) const {
    int pitch = 0;
    if (!DDLock(gDisplay.lowDDBack.get(), pitch)) return;
    const Rect left = OutlineAt(k, 0);
    const Rect right = OutlineAt(k, kRightPictureOffset);
    DrawFrameRect(left.left, left.top, left.Width(), left.Height(), PlaceChannels(10, 31, 31));
    DrawFrameRect(right.left, right.top, right.Width(), right.Height(), PlaceChannels(30, 30, 30));
    DDUnlock(gDisplay.lowDDBack.get());
}

void CDifferenceMap::DrawMark(int k) const {
    PixelBuffer& screen = *gDisplay.lowDDBack;
    const Point m = marks[k];
    if (finders[k] == kRevealed) {
        const int blink = int((gShell.frameCounter / kRevealedBlinkFrames) % 2);
        if (livesSnapshot[0] > 0)
            gCheckYesPicture.BltCell(m.x - kRevealedMarkInset, m.y - kRevealedMarkInset, blink, true, screen);
        if (livesSnapshot[1] > 0)
            gCheckYesPicture.BltCell(m.x + kRightPictureOffset - kRevealedMarkInset, m.y - kRevealedMarkInset,
                                     blink, true, screen);
        return;
    }
    if (finders[k] == kHidden || delays[k] < kFoundDelay) return;
    Surface& mark = finders[k] == 1 ? gCheckYes1PPicture : gCheckYes2PPicture;
    const int otherX = finders[k] == 1 ? m.x + kRightPictureOffset : m.x - kRightPictureOffset;
    mark.BltCell(m.x, m.y, frames[k], true, screen);
    mark.BlendCell(otherX, m.y, frames[k], kLeaveKeyPixels, kHalfLevel);
}

void CDifferenceMap::Draw() const {
    for (int k = 0; k < kDifferences; ++k) {
        if (showAnswers == 1) DrawAnswerOutlines(k);
        DrawMark(k);
    }
}
