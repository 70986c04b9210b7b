// Renders every catalogue picture twice, tinted black on a light backdrop
// (how black levels show them) and untinted on a dark one, into one PNG to
// judge the set as a whole.
#pragma once
#include <string>

// dataRoot stands for "data"; returns false when the sheet cannot be written.
bool MakeContactSheet(const std::string& dataRoot, const std::string& outPath);

// Mock-ups of a level, a snow level, an "MR" level and the main menu built
// from the generated pictures as the game draws them.
bool MakeScenePreview(const std::string& dataRoot, const std::string& outPath);
