// The blend blitters: five kinds of blend, each with one routine per drawing format. Every routine draws
// source_rect of source at (x, y) of destination inside clip, skipping source pixels equal to the source's
// colour key, and returns dd_ok or the failing lock's code (see blend_frame.h for refused input).
#pragma once

#include "platform/types.h"
#include "umlib/surface.h"

#include <cstdint>

// Kind A (quarter): three quarters source, one quarter destination. Kind B (half): the average of source
// and destination. Kind C (alpha): the destination weighs weight/256 (0..256). Kind D (tint): the average
// of the source and a constant packed colour. Kind E (add): per-channel saturating addition.
// Each draws in the format named by pixel_format_code (see visit_format); any other format has no routine:
// nothing is drawn and the result is dd_ok, so the caller goes on as after a drawing.
plat::hresult_t blend_blit_quarter(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                   int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_half(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x, int32_t y,
                                umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_alpha(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                 int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                 int32_t weight);
plat::hresult_t blend_blit_tint(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x, int32_t y,
                                umlib::surface_t* source, const plat::rect_t* source_rect, uint32_t colour);
plat::hresult_t blend_blit_add(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x, int32_t y,
                               umlib::surface_t* source, const plat::rect_t* source_rect);
