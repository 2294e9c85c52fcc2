#include "platform/ddraw.h"
#include "umlib/dderr.h"

#include <gtest/gtest.h>

TEST(dderr, codes_name_their_directdraw_constant) {
    EXPECT_STREQ(umlib::dderr_name(0), "DD_OK");
    EXPECT_STREQ(umlib::dderr_name(plat::make_ddhresult(5)), "DDERR_ALREADYINITIALIZED");
    EXPECT_STREQ(umlib::dderr_name(plat::dderr_surfacelost), "DDERR_SURFACELOST");
    EXPECT_STREQ(umlib::dderr_name(plat::make_ddhresult(384)), "DDERR_OVERLAYCOLORKEYONLYONEACTIVE");
    EXPECT_STREQ(umlib::dderr_name(plat::make_ddhresult(592)), "DDERR_INVALIDSURFACETYPE");
    EXPECT_STREQ(umlib::dderr_name(plat::make_ddhresult(680)), "DDERR_NOTPAGELOCKED");
}

TEST(dderr, shared_com_codes_keep_the_directdraw_name) {
    EXPECT_STREQ(umlib::dderr_name(plat::hresult_t(0x80004005u)), "DDERR_GENERIC");
    EXPECT_STREQ(umlib::dderr_name(plat::hresult_t(0x8007000Eu)), "DDERR_OUTOFMEMORY");
    EXPECT_STREQ(umlib::dderr_name(plat::hresult_t(0x80070057u)), "DDERR_INVALIDPARAMS");
    EXPECT_STREQ(umlib::dderr_name(plat::hresult_t(0x80004001u)), "DDERR_UNSUPPORTED");
    EXPECT_STREQ(umlib::dderr_name(plat::hresult_t(0x800401F0u)), "DDERR_NOTINITIALIZED");
}

TEST(dderr, other_values_are_unknown) {
    EXPECT_STREQ(umlib::dderr_name(1), "Unknown Error");
    EXPECT_STREQ(umlib::dderr_name(plat::make_ddhresult(451)), "Unknown Error");
    EXPECT_STREQ(umlib::dderr_name(plat::make_ddhresult(0)), "Unknown Error");
    EXPECT_STREQ(umlib::dderr_name(plat::hresult_t(0xFFFFFFFFu)), "Unknown Error");
}
