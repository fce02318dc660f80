// Replay commands of the name box and the menu's sub-screens (rows in the
// table of commands.cpp).
#pragma once

#include "commands.h"

// clipboard "UTF-8 text": puts the text on the clipboard, as another program
// would.
std::string ParseClipboard(const std::vector<std::string>& args, ReplayCommand& command);
void RunClipboard(const ReplayCommand& command, ReplayContext& context);
// menu main|nameInput|saveSlots|highScores|settings: opens that sub-screen
// of the start menu at once (ending the logo if it still shows), without
// clicking the way there.
std::string ParseMenu(const std::vector<std::string>& args, ReplayCommand& command);
void RunMenu(const ReplayCommand& command, ReplayContext& context);
