#pragma once

#include <filesystem>

namespace quorvel {

// The language index kept in the saved-choice file: 1 to 8 that language; any other value, no
// number or no readable file, English (0).
int SavedLanguageIndex(const std::filesystem::path& file);

// Replaces the file's whole content with the index (the data folder is created when missing).
// False when it could not be written; the old file then stays as it was.
bool SaveLanguageIndex(const std::filesystem::path& file, int index);

}  // namespace quorvel
