// Replay commands that start a level and lay out the board (rows in the
// table of commands.cpp).
#pragma once

#include "commands.h"

// start LEVEL: a new game at that level, as the name input starts one.
std::string ParseStart(const std::vector<std::string>& args, ReplayCommand& command);
void RunStart(const ReplayCommand& command, ReplayContext& context);
// board FILE: the cells from a board file (board_file.h).
std::string ParseBoard(const std::vector<std::string>& args, ReplayCommand& command);
void RunBoard(const ReplayCommand& command, ReplayContext& context);
