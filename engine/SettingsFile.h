#pragma once
// One small XML settings file handled safely: only a regular file of a few
// KiB with few tags reaches the parser (TinyXML recurses once per nesting
// level, so a deep file would overflow the stack); a damaged file is kept
// aside under a numbered name before anything replaces it; and a folder or
// FIFO standing where a file belongs is never written over.
#include <cstddef>
#include <tinyxml.h>

// The game's files are a few hundred bytes with one element.
constexpr size_t kSettingsFileMaxBytes = 64 * 1024;
// An element can only nest inside elements opened before it, so counting
// every opening tag bounds the nesting without having to understand quotes,
// comments or CDATA the way the parser does.
constexpr int kSettingsFileMaxTags = 256;
// NAME.bad, then NAME.bad.1 up to NAME.bad.999: enough that a player never
// meets the end, since a file that cannot be kept aside is not saved over.
constexpr int kSettingsKeptCopies = 1000;

enum class SettingsFileState { Loaded, Missing, Broken, NotRegular };

// Parses a settings file's bytes into doc (replacing what it held). False,
// with a reason, when the bytes are refused before parsing or by the parser.
bool ParseSettingsText(const char* bytes, size_t length, TiXmlDocument* doc, const char** reason);

// Loads the file at path into doc. For Broken and NotRegular, reason says why.
SettingsFileState LoadSettingsFile(const char* path, TiXmlDocument* doc, const char** reason);

// Called before a file is replaced. Loads what the file holds now into
// current (left empty when there is nothing usable) and keeps a damaged file
// as the next free NAME.bad copy. False, after a message on stderr, when the
// file must not be written over: it is not a regular file, or no copy of it
// could be kept.
bool PrepareToReplaceSettingsFile(const char* path, TiXmlDocument* current);
