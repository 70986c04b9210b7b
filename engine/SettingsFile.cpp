#include "engine/SettingsFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/FileAccess.h"

namespace {

// The file as read, and the copy handed to the parser. Game thread only.
char fileBytes[kSettingsFileMaxBytes];
char parseText[kSettingsFileMaxBytes + 1];

bool TooManyTags(const char* text, size_t length)
{
    int tags = 0;
    for (size_t i = 0; i + 1 < length; ++i) {
        if (text[i] != '<') continue;
        const char next = text[i + 1];
        if (next == '/' || next == '?' || next == '!') continue;
        if (++tags > kSettingsFileMaxTags) return true;
    }
    return false;
}

bool KeepBadCopy(const char* path, const char* reason)
{
    char copy[4096 + 16];
    for (int k = 0; k < kSettingsKeptCopies; ++k) {
        if (k == 0)
            std::snprintf(copy, sizeof copy, "%s.bad", path);
        else
            std::snprintf(copy, sizeof copy, "%s.bad.%d", path, k);
        if (RenameWithoutReplacing(path, copy)) {
            std::fprintf(stderr, "FlorpVops: %s could not be read (%s); kept as %s\n", path, reason, copy);
            return true;
        }
        if (errno != EEXIST) {
            std::fprintf(stderr, "FlorpVops: %s could not be read (%s) nor kept aside (%s); it is left as it is\n",
                         path, reason, std::strerror(errno));
            return false;
        }
    }
    std::fprintf(stderr,
                 "FlorpVops: %s could not be read (%s), and %d damaged copies of it are kept already "
                 "(%s.bad to %s.bad.%d); it is left as it is and not saved until they are moved away\n",
                 path, reason, kSettingsKeptCopies, path, path, kSettingsKeptCopies - 1);
    return false;
}

}  // namespace

bool ParseSettingsText(const char* bytes, size_t length, TiXmlDocument* doc, const char** reason)
{
    doc->Clear();
    if (length > kSettingsFileMaxBytes) {
        *reason = "larger than 64 KiB";
        return false;
    }
    if (TooManyTags(bytes, length)) {
        *reason = "more than 256 tags";
        return false;
    }
    // Line ends as the parser's own file loading turns them: CR LF and a
    // lone CR become LF.
    size_t n = 0;
    for (size_t i = 0; i < length; ++i) {
        if (bytes[i] == '\r') {
            parseText[n++] = '\n';
            if (i + 1 < length && bytes[i + 1] == '\n') ++i;
        } else {
            parseText[n++] = bytes[i];
        }
    }
    parseText[n] = '\0';
    doc->Parse(parseText, nullptr, TIXML_DEFAULT_ENCODING);
    if (doc->Error()) {
        *reason = doc->ErrorDesc();
        return false;
    }
    return true;
}

SettingsFileState LoadSettingsFile(const char* path, TiXmlDocument* doc, const char** reason)
{
    doc->Clear();
    size_t length = 0;
    const FileRead read = ReadRegularFile(path, fileBytes, sizeof fileBytes, &length);
    switch (read) {
    case FileRead::Ok: break;
    case FileRead::Missing: return SettingsFileState::Missing;
    case FileRead::NotRegular:
        *reason = DescribeFileRead(read);
        return SettingsFileState::NotRegular;
    case FileRead::TooLarge:
        *reason = "larger than 64 KiB";
        return SettingsFileState::Broken;
    case FileRead::Unreadable:
        *reason = std::strerror(errno);
        return SettingsFileState::Broken;
    }
    return ParseSettingsText(fileBytes, length, doc, reason) ? SettingsFileState::Loaded : SettingsFileState::Broken;
}

bool PrepareToReplaceSettingsFile(const char* path, TiXmlDocument* current)
{
    const char* reason = "";
    switch (LoadSettingsFile(path, current, &reason)) {
    case SettingsFileState::Loaded:
    case SettingsFileState::Missing: return true;
    case SettingsFileState::NotRegular:
        std::fprintf(stderr, "FlorpVops: %s %s; nothing is saved over it\n", path, reason);
        return false;
    case SettingsFileState::Broken: {
        const bool kept = KeepBadCopy(path, reason);  // reason may live in current
        current->Clear();
        return kept;
    }
    }
    return false;
}
