#include "game/gfx/TextCache.h"

#include "platform/Cp949.h"
#include "platform/Utf8.h"

void TextCache::SetRasterizer(GlyphRasterizer* rasterizer) {
    rasterizer_ = rasterizer;
    for (Entry& e : entries_) e.font = kNoFont;
}

const TextCache::Line* TextCache::Get(FontHandle font, std::string_view cp949) {
    if (!rasterizer_ || font == kNoFont) return nullptr;
    ++useCounter_;
    Entry* oldest = &entries_[0];
    for (Entry& e : entries_) {
        if (e.font == font && e.text == cp949) {
            e.lastUse = useCounter_;
            return &e.line;
        }
        if (e.lastUse < oldest->lastUse) oldest = &e;
    }
    oldest->font = kNoFont;
    const std::string utf8 = Cp949ToUtf8(cp949);
    if (!rasterizer_->RenderLine(font, utf8, oldest->line.coverage)) return nullptr;
    oldest->line.hangul = CountHangul(utf8);
    oldest->font = font;
    oldest->text.assign(cp949);
    oldest->lastUse = useCounter_;
    return &oldest->line;
}
