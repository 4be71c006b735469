#include "tools/artgen/Art.h"
#include "tools/artgen/Paint.h"
namespace Art {
void CheckYes(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void CheckYes1P(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void CheckYes2P(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void CheckNo(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void Pen1P(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void Pen2P(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void BonusHd(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
}
