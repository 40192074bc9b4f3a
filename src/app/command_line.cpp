#include "command_line.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace quelva {

namespace {

// `given` made absolute from the current folder, without "." and ".." steps, doubled or trailing "/".
std::string absolutePath(const std::string& given) {
    std::string path = (std::filesystem::current_path() / given).lexically_normal().string();
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

bool endsWithSelectionExtension(const std::string& name) {
    static constexpr std::string_view kExtension = ".quelva";
    if (name.size() < kExtension.size()) return false;
    return std::equal(kExtension.begin(), kExtension.end(), name.end() - static_cast<std::ptrdiff_t>(kExtension.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

bool isSelectionFile(const std::string& argument) {
    std::error_code ignored;
    const std::filesystem::path p(argument);
    if (std::filesystem::is_directory(p, ignored)) return false;
    return endsWithSelectionExtension(argument) || std::filesystem::exists(p, ignored);
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments, const std::string& programFolder) {
    const CommandLine misuse{CommandLine::Action::Misuse, {}, {}};
    if (arguments.size() == 2 && (arguments[1] == "-h" || arguments[1] == "--help")) return {CommandLine::Action::Help, {}, {}};
    if (arguments.size() > 3) return misuse;
    CommandLine command{CommandLine::Action::Run, {}, {}};
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a.empty() || a.front() == '-') return misuse;
        std::string& slot = isSelectionFile(a) ? command.selectionFile : command.surveyFolder;
        if (!slot.empty()) return misuse;  // two folders, or two selections
        slot = absolutePath(a);
    }
    if (command.surveyFolder.empty()) command.surveyFolder = programFolder;
    return command;
}

}  // namespace quelva
