#pragma once
// Language texts are used as format strings ("%s" marks a line break, "%i"
// a number), but they come from files anyone can edit. This formatter takes
// only the conversions the caller actually passes, in order (%s for a string
// argument, %i or %d for a whole number, %% for a percent sign); any other
// '%' sequence, or one whose argument is missing or of the other kind, is
// copied as text. It never writes past the buffer and always ends it.
#include <cstddef>
#include <cstdint>
#include <initializer_list>

// One argument: a whole number or a string.
struct TextArg {
    TextArg(int32_t value) : number(value), text(nullptr) {}
    TextArg(const char* value) : number(0), text(value ? value : "") {}
    int32_t number;
    const char* text;  // null for a number
};

// The shared line buffer every formatted text is printed into before drawing.
constexpr int kTextBufferSize = 300;
extern char textBuffer[kTextBufferSize];

// Formats into out (size bytes, cut at a UTF-8 character boundary); returns
// the length written.
size_t FormatTextInto(char* out, size_t size, const char* format, std::initializer_list<TextArg> args);
// Formats into textBuffer and returns it.
const char* FormatText(const char* format, std::initializer_list<TextArg> args = {});
