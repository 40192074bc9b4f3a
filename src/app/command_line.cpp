#include "command_line.h"

#include <filesystem>

namespace quelva {

namespace {

// `given` made absolute from the current folder, without "." and ".." steps, doubled or trailing "/".
std::string absoluteFolder(const std::string& given) {
    std::string folder = (std::filesystem::current_path() / given).lexically_normal().string();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments, const std::string& programFolder) {
    if (arguments.size() <= 1) return {CommandLine::Action::Run, programFolder};
    const std::string& first = arguments[1];
    if (arguments.size() == 2 && (first == "-h" || first == "--help")) return {CommandLine::Action::Help, {}};
    if (arguments.size() > 2 || first.empty() || first.front() == '-') return {CommandLine::Action::Misuse, {}};
    return {CommandLine::Action::Run, absoluteFolder(first)};
}

}  // namespace quelva
