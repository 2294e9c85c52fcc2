#include "base/bootlog.h"
#include "base/strformat.h"
#include "platform/dialogs.h"
#include "platform/display.h"
#include "scenes/display_mode.h"
#include "shell/product.h"
#include "shell/session.h"

bool check_screen_mode(config_t& config) {
    if (screen_mode_available(config.screen_mode)) {
        return true;
    }
    const int32_t asked = config.screen_mode;
    bootlog_error(asked == window_mode
                      ? strformat("ウィンドウモードはこのデスクトップ (%dbpp) で使用できません",
                                  plat::desktop_bits_per_pixel())
                      : strformat("スクリーンモード %dx%d %dbpp はこのマシンで使用できません",
                                  display_mode_width(asked), display_mode_height(asked),
                                  display_mode_bits(asked)));
    const std::string caption = error_caption();
    const int answer = plat::message_box(nullptr,
                                         "指定のスクリーンモードで起動することが出来ませんでした。\r\n"
                                         "利用可能なスクリーンモードから起動を試みますか？",
                                         caption, plat::mb_yesno | plat::mb_iconexclamation);
    if (answer != plat::idyes) {
        plat::message_box(nullptr, "アプリケーションを終了します", caption, plat::mb_ok);
        return false;
    }
    int32_t mode = 0;
    if (!find_available_mode(&mode)) {
        plat::message_box(nullptr,
                          "利用可能なスクリーンモードが見つかりませんでした… m(_ _;)m\r\n"
                          "アプリケーションを終了します",
                          caption, plat::mb_ok);
        return false;
    }
    config.screen_mode = mode;
    config.blt_scale = default_blt_scale(mode);
    return true;
}
