// The folders' include order: every quoted include of a game folder points to its own rank or below, and
// no two folders include each other, except the play level, whose folders use each other's types.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::map<std::string, int> folder_rank = {
    {"platform", 0}, {"base", 1},   {"umlib", 2},   {"render", 3}, {"screen", 3}, {"objects", 4},
    {"play", 5},     {"player", 5}, {"enemies", 5}, {"bosses", 5}, {"scenes", 6}, {"shell", 7},
};
constexpr int play_level = 5;

using graph_t = std::map<std::string, std::set<std::string>>;

// Folder to folder edges of the tree at root; includes pointing up the order go to violations.
graph_t read_includes(const fs::path& root, std::vector<std::string>& violations) {
    const std::regex include_line(R"re(^\s*#\s*include\s+"([A-Za-z_]+)/[^"]+")re");
    graph_t graph;
    for (const auto& [folder, rank] : folder_rank) {
        if (!fs::is_directory(root / folder)) {
            continue;
        }
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            std::ifstream in(entry.path());
            std::string line;
            for (int number = 1; std::getline(in, line); ++number) {
                std::smatch match;
                if (!std::regex_search(line, match, include_line)) {
                    continue;
                }
                const auto target = folder_rank.find(match[1]);
                if (target == folder_rank.end() || target->first == folder) {
                    continue;
                }
                graph[folder].insert(target->first);
                if (target->second > rank) {
                    violations.push_back(fs::relative(entry.path(), root).string() + ":" +
                                         std::to_string(number) + ": " + line);
                }
            }
        }
    }
    return graph;
}

bool reaches(const graph_t& graph, const std::string& from, const std::string& to) {
    std::set<std::string> seen;
    std::vector<std::string> open = {from};
    while (!open.empty()) {
        const std::string folder = open.back();
        open.pop_back();
        if (folder == to) {
            return true;
        }
        if (!seen.insert(folder).second || !graph.contains(folder)) {
            continue;
        }
        open.insert(open.end(), graph.at(folder).begin(), graph.at(folder).end());
    }
    return false;
}

TEST(layering, includes_point_down_and_close_no_circle) {
    const fs::path root = fs::path(__FILE__).parent_path().parent_path();
    ASSERT_TRUE(fs::is_directory(root / "base")) << root;
    std::vector<std::string> violations;
    const graph_t graph = read_includes(root, violations);
    for (const auto& [folder, targets] : graph) {
        for (const std::string& target : targets) {
            const bool play_pair =
                folder_rank.at(folder) == play_level && folder_rank.at(target) == play_level;
            if (!play_pair && reaches(graph, target, folder)) {
                violations.push_back("circle: " + folder + " -> " + target + " -> ... -> " + folder);
            }
        }
    }
    for (const std::string& violation : violations) {
        ADD_FAILURE() << violation;
    }
}

} // namespace
