// Board files: a board layout in text, for replays and tests. One line per
// row from row 0, one token per column: `.` for an empty cell, or a colour
// digit 1..7, optionally followed by a prop letter (f fast, s slow, a aim,
// b bomb, i infection, * star) and by `~` for an infected block (the two in
// either order). Blank lines
// and lines starting with `#` are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Game;

struct BoardFileCell {
    int colour = 0;  // 0 empty
    int prop = 0;    // 0 none, 1..6
    bool infected = false;
};

struct BoardFileRow {
    int line = 0;  // where the row stands in the file
    std::vector<BoardFileCell> cells;
};

struct BoardFile {
    std::string name;
    std::vector<BoardFileRow> rows;
};

// Parses the text; false with error "NAME:LINE: message" for a bad token.
bool ParseBoardFile(std::string_view text, const std::string& name, BoardFile& file,
                    std::string& error);
// Reads and parses the file at path.
bool LoadBoardFile(const std::string& path, BoardFile& file, std::string& error);

// Replaces the game's cells with the layout: row r shifted by r mod 2, blocks
// with the Normal animation of their colour, rows not listed emptied, and
// PropsOnBoard the number of props placed. False with error naming file and
// line when a row is longer than the grid or there are more rows than it
// has; the board is then left alone.
bool ApplyBoardFile(const BoardFile& file, Game& game, std::string& error);
