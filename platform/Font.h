#pragma once
// One TrueType font at one pixel height, measured and drawn line by line.
//
// Measuring never needs a display: it reads the font file's own metrics
// (advance widths, rounded to whole pixels per glyph), so the recording
// backend and the window give the same boxes.
// Box of a text: width = the widest line, height = lines x the pixel height;
// lines are separated by '\n'. Text is UTF-8.

struct PlatformFont;

// Loads the font file ('\\' taken as '/') at a pixel height (the height of
// one text line). When the file is missing or unusable, a system font is
// tried instead (DejaVu Sans, then a few other common faces), so text still
// shows; the fallback is reported on standard error. Null only when no font
// at all can be loaded; drawing with null draws nothing and measures 0 x 0.
PlatformFont* LoadPlatformFont(const char* path, int pixelHeight);
void ReleasePlatformFont(PlatformFont* font);

// Width and height of the text's box in pixels.
void MeasureText(const PlatformFont* font, const char* text, int* width, int* height);
// Width of one line of the text (up to '\n' or the end), in pixels.
int MeasureLine(const PlatformFont* font, const char* text, int length);

int FontPixelHeight(const PlatformFont* font);
// The file actually in use (the requested one or the system fallback).
const char* FontFilePath(const PlatformFont* font);
