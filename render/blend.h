// The blend blitters: five kinds of blend, each with one routine per drawing format. Every routine draws
// source_rect of source at (x, y) of destination inside clip, skipping source pixels equal to the source's
// colour key, and returns dd_ok or the failing lock's code (see blend_frame.h for refused input).
#pragma once

#include "platform/types.h"
#include "umlib/surface.h"

#include <cstdint>

// Kind A: three quarters source, one quarter destination.
plat::hresult_t blend_blit_quarter_8(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_quarter_565(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                       int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_quarter_a555(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                        int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_quarter_555a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                        int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_quarter_a444(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                        int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_quarter_444a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                        int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_quarter_a888(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                        int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_quarter_888a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                        int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);

// Kind B: the average of source and destination.
plat::hresult_t blend_blit_half_8(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                  int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_half_565(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_half_a555(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_half_555a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_half_a444(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_half_444a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_half_a888(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_half_888a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);

// Kind C: the destination weighs weight/256 (0..256).
plat::hresult_t blend_blit_alpha_8(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                   int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                   int32_t weight);
plat::hresult_t blend_blit_alpha_565(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     int32_t weight);
plat::hresult_t blend_blit_alpha_a555(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                      int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                      int32_t weight);
plat::hresult_t blend_blit_alpha_555a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                      int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                      int32_t weight);
plat::hresult_t blend_blit_alpha_a444(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                      int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                      int32_t weight);
plat::hresult_t blend_blit_alpha_444a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                      int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                      int32_t weight);
plat::hresult_t blend_blit_alpha_a888(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                      int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                      int32_t weight);
plat::hresult_t blend_blit_alpha_888a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                      int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                      int32_t weight);

// Kind D: the average of the source and a constant packed colour.
plat::hresult_t blend_blit_tint_8(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                  int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                  uint32_t colour);
plat::hresult_t blend_blit_tint_565(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                    uint32_t colour);
plat::hresult_t blend_blit_tint_a555(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     uint32_t colour);
plat::hresult_t blend_blit_tint_555a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     uint32_t colour);
plat::hresult_t blend_blit_tint_a444(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     uint32_t colour);
plat::hresult_t blend_blit_tint_444a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     uint32_t colour);
plat::hresult_t blend_blit_tint_a888(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     uint32_t colour);
plat::hresult_t blend_blit_tint_888a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                     int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect,
                                     uint32_t colour);

// Kind E: per-channel saturating addition.
plat::hresult_t blend_blit_add_8(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                 int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_add_565(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                   int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_add_a555(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_add_555a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_add_a444(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_add_444a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_add_a888(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);
plat::hresult_t blend_blit_add_888a(umlib::surface_t* destination, const plat::rect_t* clip, int32_t x,
                                    int32_t y, umlib::surface_t* source, const plat::rect_t* source_rect);

// The routine of a kind for the format named by pixel_format_code, tried in the order 8, 0x565, 0xA555,
// 0x555A, 0xA444, 0x444A, 0xA888, 0x888A. Any other format has no routine: nothing is drawn and the result
// is dd_ok, so the caller goes on as after a drawing.
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
