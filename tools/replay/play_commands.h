// Replay commands of the game in play (rows in the table of commands.cpp).
#pragma once

#include "commands.h"

// shooter CURRENT NEXT: the shooter's current and next colours, 1..7.
std::string ParseShooter(const std::vector<std::string>& args, ReplayCommand& command);
void RunShooter(const ReplayCommand& command, ReplayContext& context);
