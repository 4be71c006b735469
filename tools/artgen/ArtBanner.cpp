#include "tools/artgen/Art.h"
#include "tools/artgen/Paint.h"
namespace Art {
void StageBack(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void StageReadyGo(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void GameOverBand(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void BonusMsg(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void BonusMdn(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void BonusStart(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void ScoreBoard(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
}
