#include "game/gfx/TextCache.h"

#include "platform/Cp949.h"

void TextCache::SetRasterizer(GlyphRasterizer* rasterizer) {
    rasterizer_ = rasterizer;
    for (Entry& e : entries_) e.font = kNoFont;
}

const CoverageBitmap* TextCache::Line(FontHandle font, std::string_view cp949) {
    if (!rasterizer_ || font == kNoFont) return nullptr;
    ++useCounter_;
    Entry* oldest = &entries_[0];
    for (Entry& e : entries_) {
        if (e.font == font && e.text == cp949) {
            e.lastUse = useCounter_;
            return &e.coverage;
        }
        if (e.lastUse < oldest->lastUse) oldest = &e;
    }
    oldest->font = kNoFont;
    if (!rasterizer_->RenderLine(font, Cp949ToUtf8(cp949), oldest->coverage)) return nullptr;
    oldest->font = font;
    oldest->text.assign(cp949);
    oldest->lastUse = useCounter_;
    return &oldest->coverage;
}
