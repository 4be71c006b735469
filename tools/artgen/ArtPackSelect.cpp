#include "tools/artgen/Art.h"
#include "tools/artgen/Paint.h"
namespace Art {
void LoadBack(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void LoadStar(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void LoadArrow(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void LoadBtn(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
}
