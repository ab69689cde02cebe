// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/temp_folder.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

TempFolder::TempFolder() {
    std::random_device rd;
    std::ostringstream name;
    name << "qmtest-" << std::hex << rd() << rd();
    path_ = std::filesystem::temp_directory_path() / name.str();
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ec);
    std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::write(const std::string& name, const std::string& bytes) const {
    const auto p = path_ / name;
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
    return p.string();
}

std::string TempFolder::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
