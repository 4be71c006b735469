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

void CDifferenceMap::DrawAnswerOutlines(int k) const {
    const Rect& r = rects[k];
    int pitch = 0;
    if (!DDLock(gDisplay.lowDDBack.get(), pitch)) return;
    DrawFrameRect(r.left, r.top, r.Width(), r.Height(), PlaceChannels(10, 31, 31));
    DrawFrameRect(r.left + kRightPictureOffset, r.top, r.Width(), r.Height(), PlaceChannels(30, 30, 30));
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
