#pragma once
// Options and progress kept in four small XML files in the player's
// documents folder: System.xml (screen), Options.xml (game options),
// Game.xml (how far the player has come), Gamep.xml (best scores).
#include <cstddef>
#include <cstdint>

constexpr int kSettingsPathSize = 4096;

extern char settingsDir[kSettingsPathSize];      // <documents>//FlorpVops
extern char systemXmlPath[kSettingsPathSize];
extern char optionsXmlPath[kSettingsPathSize];
extern char gameXmlPath[kSettingsPathSize];
extern char gamepXmlPath[kSettingsPathSize];

// System.xml
extern int32_t screenWidth;        // auflosungx, back-buffer width
extern int32_t screenHeight;       // auflosungy
extern int32_t windowed;           // fenster, 1 = windowed
// Options.xml
extern int32_t limitTo30Fps;       // fps
extern uint8_t checkpointsEnabled; // check
extern uint8_t rumbleEnabled;      // rumble
extern int32_t difficulty;         // diffi, 1..3
extern int32_t soundEnabled;       // sound
extern int32_t musicEnabled;       // music
extern int32_t shaderEnabled;      // shader
// Game.xml
extern int32_t unlockedLevels;     // m, highest play order that may be played
// Not stored
extern int32_t decorationsEnabled;
extern int32_t totalScore;         // sum of the counted best scores
extern int32_t vopKind;            // the chosen Vop kind, 1 = beginner

// The six Vop kinds, numbered as the progress file, the menus and the
// replays count them (object kinds are in shared/LevelRecord.h).
enum VopKindNumber : int32_t {
    BeginnerVop = 1,
    SpikeVop = 2,
    AirVop = 3,
    RockVop = 4,
    AngryVop = 5,
    EliteVop = 6,
};

// Builds settingsDir and the four paths from the documents folder.
void BuildSettingsPaths();
// The start-up defaults, set before any file is read.
void SetDefaultSettings();

void WriteSystemXml();
void WriteOptionsXml();
// Game.xml and Gamep.xml are merged with what the files hold when they are
// written, so a second game running at the same time cannot lower what the
// other has won: the higher unlocked count and each higher best score stay.
void WriteGameXml();
// Each reader takes what the file has; when the file is missing or broken
// it creates the folder and writes the file from the current values (a
// broken file is first kept as the next free NAME.bad copy). Something that
// is not a regular file (a folder, a FIFO) is left alone: the settings keep
// their values and nothing is written over it.
void ReadSystemXml();
void ReadOptionsXml();
// An unlocked count below 1 would lock every level: it reads as 1.
void ReadGameXml();
// Best scores of level records 0 to 45 from and to Gamep.xml.
void LoadProgress();
void SaveProgress();
// Back to the first level: unlockedLevels 1, every best score 0; both
// progress files are written as they are now, without merging, so the
// player's reset is not undone by the scores it clears.
void ResetProgress();
// totalScore = the best scores of all records but the tutorial and bosses.
void SumBestScores();

// Takes the settings a file's bytes hold, as the reader of that file does
// (the fuzz targets feed it). False when the bytes are refused.
enum class SettingsFileId { System, Options, Game, Gamep };
bool ReadSettingsText(SettingsFileId file, const char* bytes, size_t length);
