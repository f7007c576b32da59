#include "tools/lir-settings/ToolCommand.h"

#include <algorithm>

ToolCommand::~ToolCommand() = default;

std::vector<ToolCommand::Factory>& ToolCommand::factories()
{
    static std::vector<Factory> registered;
    return registered;
}

int ToolCommand::add(Factory create)
{
    factories().push_back(std::move(create));
    return static_cast<int>(factories().size());
}

std::vector<std::unique_ptr<ToolCommand>> ToolCommand::all()
{
    std::vector<std::unique_ptr<ToolCommand>> commands;
    for (const Factory& create : factories())
        commands.push_back(create());
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return a->name() < b->name(); });
    return commands;
}

std::unique_ptr<ToolCommand> ToolCommand::create(const QString& name)
{
    for (const Factory& create : factories()) {
        std::unique_ptr<ToolCommand> command = create();
        if (command->name() == name)
            return command;
    }
    return nullptr;
}
