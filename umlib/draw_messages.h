// The presenters' failure messages, as the boot log shows them.
#pragma once

namespace umlib {

inline constexpr const char* text_directdraw_create = "DirectDrawCreateEx() の呼び出しに失敗しました";
inline constexpr const char* text_invalid_window = "指定されたウィンドウハンドルは無効です";
inline constexpr const char* text_cooperative_level = "強調レベルの設定に失敗しました";
inline constexpr const char* text_display_mode = "ディスプレイモードの設定に失敗しました";
inline constexpr const char* text_primary = "プライマリサーフェスの作成に失敗しました";
inline constexpr const char* text_back_buffer = "バックバッファの作成に失敗しました";
inline constexpr const char* text_clipper = "クリッパの作成に失敗しました";
inline constexpr const char* text_clipper_window = "クリッパにウィンドウを関連付けることが出来ません";
inline constexpr const char* text_apply_clipper = "プライマリサーフェスにクリッパを適用できません";

} // namespace umlib
