#include "tools/artgen/Art.h"
#include "tools/artgen/Paint.h"
namespace Art {
void Loading(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void LogoBack(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void LogoItem(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void IntroBack(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void IntroDal1(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void IntroDal2(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
void EndBack(cairo_t* cr, const AssetSpec& spec) { Paint::RoundRect(cr,1,1,spec.width-2,spec.height-2,6); Paint::Set(cr, Paint::Hex(0x88AAEE)); cairo_fill(cr);}
}
