#pragma once

#include <array>
#include <string>
#include <vector>

namespace quorvel {

// What the language dialog shows. Captions start as the template's and are replaced by lines
// 61 to 65 of a language file when one can be read.
struct LanguageDialogTexts {
    std::string title = "Sprachwahl";
    std::string acceptCaption = "ERROR";
    std::string cancelCaption = "ERROR";
    std::array<std::string, 2> columnHeading;
    bool hasColumns = false;
    // Display name and file name of each row, in language-index order.
    std::vector<std::array<std::string, 2>> rows;
    // The row of the language the window speaks, selected when the dialog opens; -1 for none.
    int currentRow = -1;
};

// How the player left the dialog: accepted or not, and the rows selected at that moment.
struct LanguageDialogAnswer {
    bool accepted = false;
    std::vector<int> selectedRows;
};

}  // namespace quorvel
