#pragma once
// Private to platform/: SFML's one process-wide error stream, written from
// the game thread and from the sound decoders' threads alike.

// Gives the stream a buffer of the game's own, once (before the first
// thread, by DisplayAvailable and InitAudio): each thread's text is kept
// apart and written to standard error a whole line at a time under a lock,
// so no thread ever swaps or shares the stream's buffer.
void RouteSfmlErrors();

// Silences SFML's complaints on this thread only while a load may fail in
// the ordinary way (a missing picture is not an error the player needs to
// read about); other threads' messages still show.
struct QuietSfmlErrors {
    QuietSfmlErrors();
    ~QuietSfmlErrors();
    QuietSfmlErrors(const QuietSfmlErrors&) = delete;
    QuietSfmlErrors& operator=(const QuietSfmlErrors&) = delete;
};
