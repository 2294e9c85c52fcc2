#include "tests/shell/support.h"

#include "platform/window.h"

#include <fstream>
#include <iterator>

const std::vector<std::string> header_lines = {"- --------------------------------------",
                                               "- MELVORIN ver1.85",
                                               "- --------------------------------------"};

const std::vector<std::string> shut_down_lines = {"- コンフィグを保存しました",
                                                  "- シーン管理オブジェクトを破棄しました",
                                                  "- アプリケーションウィンドウを破棄しました",
                                                  "- サウンド管理オブジェクトを破棄しました",
                                                  "- スクリーン管理オブジェクトを破棄しました",
                                                  "- 未解放オブジェクト: 0",
                                                  "- アプリケーションを終了します"};

std::vector<std::string> file_lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<uint8_t> file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void drain_messages() {
    plat::message_t msg;
    while (plat::peek_message(&msg, true)) {
    }
}
