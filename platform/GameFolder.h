#pragma once
// Where the game's data/ folder is. Every data path the game uses is
// relative ("data//sprite//..."), so the game must run in the folder that
// holds data/, wherever it was started from.

constexpr int kGameFolderCapacity = 4096;
constexpr int kGameFolderLookedCapacity = 4 * kGameFolderCapacity;

// Looks for data/ (a folder holding the game's picture folders,
// data/sprite/ and data/menusprite/) in, in this order: the working folder; the executable's folder; and the folders
// above the executable's up to the source root when it was built inside it
// (build/florpvops -> the checkout), else the one folder above it only.
// On success `found` holds the folder that holds data/. Either way `looked`
// lists the folders tried, ", "-separated (cut to its capacity).
bool FindGameFolder(const char* workingFolder, const char* executablePath,
                    const char* sourceRoot, char* found, int foundCapacity, char* looked,
                    int lookedCapacity);

// FindGameFolder for this process, then makes the found folder the working
// folder. False (after one line on standard error naming where it looked)
// when there is no data folder to run with.
bool EnterGameFolder(const char* sourceRoot);
