#include "board_file.h"

#include "game/game.h"

#include <fstream>
#include <sstream>

namespace {

// The prop letters in kind order 1..6.
constexpr std::string_view kPropLetters = "fsabi*";

bool ParseToken(std::string_view token, BoardFileCell& cell, std::string& why) {
    cell = BoardFileCell{};
    if (token == ".") {
        return true;
    }
    if (token[0] < '1' || token[0] > '7') {
        why = "expected `.` or a colour 1..7";
        return false;
    }
    cell.colour = token[0] - '0';
    // At most one prop letter and one `~`, in either order.
    for (size_t i = 1; i < token.size(); ++i) {
        if (token[i] == '~' && !cell.infected) {
            cell.infected = true;
            continue;
        }
        const size_t kind = kPropLetters.find(token[i]);
        if (token[i] == '~' || kind == std::string_view::npos || cell.prop != 0) {
            why = "expected at most one prop letter (f s a b i *) and one `~` after the colour";
            return false;
        }
        cell.prop = static_cast<int>(kind) + 1;
    }
    return true;
}

std::string Where(const std::string& name, int line) {
    return name + ":" + std::to_string(line) + ": ";
}

}  // namespace

bool ParseBoardFile(std::string_view text, const std::string& name, BoardFile& file,
                    std::string& error) {
    file = BoardFile{};
    file.name = name;
    std::istringstream lines{std::string(text)};
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::istringstream words(line);
        std::string token;
        BoardFileRow row;
        row.line = number;
        while (words >> token) {
            if (row.cells.empty() && token[0] == '#') {
                break;
            }
            BoardFileCell cell;
            std::string why;
            if (!ParseToken(token, cell, why)) {
                error = Where(name, number) + "bad cell `" + token + "`: " + why;
                return false;
            }
            row.cells.push_back(cell);
        }
        if (!row.cells.empty()) {
            file.rows.push_back(std::move(row));
        }
    }
    return true;
}

bool LoadBoardFile(const std::string& path, BoardFile& file, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot read the board file";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseBoardFile(text.str(), path, file, error);
}

bool ApplyBoardFile(const BoardFile& file, Game& game, std::string& error) {
    Board& board = game.board;
    if (static_cast<int>(file.rows.size()) > board.numy) {
        error = Where(file.name, file.rows[board.numy].line) + "the grid has only " +
                std::to_string(board.numy) + " rows";
        return false;
    }
    for (const BoardFileRow& row : file.rows) {
        if (static_cast<int>(row.cells.size()) > board.numx) {
            error = Where(file.name, row.line) + "the row has " + std::to_string(row.cells.size()) +
                    " cells, the grid only " + std::to_string(board.numx) + " columns";
            return false;
        }
    }
    int props = 0;
    for (int r = 0; r < board.numy; ++r) {
        for (int c = 0; c < board.numx; ++c) {
            BoardFileCell source;
            if (r < static_cast<int>(file.rows.size()) &&
                c < static_cast<int>(file.rows[r].cells.size())) {
                source = file.rows[r].cells[c];
            }
            PlaceCell(board, c, r, r % 2);
            Cell& cell = board.At(c, r);
            cell.colour = source.colour;
            cell.kind = source.colour == 0 ? 0 : (source.infected ? 2 : 1);
            cell.prop = source.colour == 0 ? 0 : source.prop;
            props += cell.prop != 0 ? 1 : 0;
            SetCellAnimation(game.blocks, cell.animation,
                             source.colour == 0 ? AnimState::None : AnimState::Normal,
                             source.colour);
        }
    }
    game.props.propsOnBoard = props;
    return true;
}
