// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_run_state.h"

#include "app/text/cp1252.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
std::optional<std::vector<std::string>>& ArgumentsOverride() {
    static std::optional<std::vector<std::string>> arguments;
    return arguments;
}
} // namespace

UpdateWindowState& UpdateWindows() {
    static UpdateWindowState state;
    return state;
}

std::vector<std::string> ProgramArguments() {
    if (ArgumentsOverride()) return *ArgumentsOverride();
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments())
        arguments.push_back(ToCp1252(argument));
    return arguments;
}

void SetProgramArgumentsForTesting(std::optional<std::vector<std::string>> arguments) {
    ArgumentsOverride() = std::move(arguments);
}
