#include "tools/datagen/DataCatalogue.h"

#include <cstring>
#include <deque>
#include <mutex>

namespace {

const DataKind P = DataKind::Png;

// Rows follow the game's own tables: the picture catalogue in load order,
// then the pictures only level records name, the scenery, the menus, the
// chapter titles per language, the sounds, the music, texts, shaders, font.
const DataFile fixedDataFiles[] = {
  // In-game pictures.
  {"data//sprite//gegner1eye.png", P, GenerateEnemyPicture, 0, 1},
  {"data//sprite//gegner1body.png", P, GenerateEnemyPicture, 1, 1},
  {"data//sprite//gegner1bodyMR.png", P, GenerateEnemyPicture, 2, 1},
  {"data//sprite//zahnrad_im_us.png", P, GenerateMachinePicture, 0, 3},
  {"data//sprite//zahnrad_gd_us.png", P, GenerateMachinePicture, 1, 3},
  {"data//sprite//zahnradklein_im_us.png", P, GenerateMachinePicture, 2, 1},
  {"data//sprite//zahnradklein_gd_us.png", P, GenerateMachinePicture, 3, 1},
  {"data//sprite//kanone.png", P, GenerateMachinePicture, 4, 1},
  {"data//sprite//zahnrad_im_us_MR.png", P, GenerateMachinePicture, 10, 3},
  {"data//sprite//zahnrad_gd_us_MR.png", P, GenerateMachinePicture, 11, 3},
  {"data//sprite//zahnradklein_im_us_MR.png", P, GenerateMachinePicture, 12, 1},
  {"data//sprite//zahnradklein_gd_us_MR.png", P, GenerateMachinePicture, 13, 1},
  {"data//sprite//kanone_MR.png", P, GenerateMachinePicture, 14, 1},
  {"data//sprite//playerstachel.png", P, GenerateVopPicture, 20, 1},
  {"data//sprite//playerstachelMR.png", P, GenerateVopPicture, 21, 1},
  {"data//sprite//playerfeder.png", P, GenerateVopPicture, 30, 1},
  {"data//sprite//playerfederMR.png", P, GenerateVopPicture, 31, 1},
  {"data//sprite//playerfels.png", P, GenerateVopPicture, 40, 1},
  {"data//sprite//playerfelsMR.png", P, GenerateVopPicture, 41, 1},
  {"data//sprite//playeranfang.png", P, GenerateVopPicture, 10, 1},
  {"data//sprite//playeranfangMR.png", P, GenerateVopPicture, 11, 1},
  {"data//sprite//playerzorn.png", P, GenerateVopPicture, 50, 1},
  {"data//sprite//playerzornMR.png", P, GenerateVopPicture, 51, 1},
  {"data//sprite//playerhardcore.png", P, GenerateVopPicture, 60, 1},
  {"data//sprite//playerhardcoreMR.png", P, GenerateVopPicture, 61, 1},
  {"data//sprite//playerfaceStachel.png", P, GenerateVopPicture, 102, 1},
  {"data//sprite//playerfaceStachelMouth.png", P, GenerateVopPicture, 202, 1},
  {"data//sprite//playerfaceFeder.png", P, GenerateVopPicture, 103, 1},
  {"data//sprite//playerfaceFederMouth.png", P, GenerateVopPicture, 203, 1},
  {"data//sprite//playerfaceFels.png", P, GenerateVopPicture, 104, 1},
  {"data//sprite//playerfaceFelsMouth.png", P, GenerateVopPicture, 204, 1},
  {"data//sprite//playerfaceBeginner.png", P, GenerateVopPicture, 101, 1},
  {"data//sprite//playerfaceBeginnerMouth.png", P, GenerateVopPicture, 201, 1},
  {"data//sprite//playerfaceZorn.png", P, GenerateVopPicture, 105, 1},
  {"data//sprite//playerfaceZornMouth.png", P, GenerateVopPicture, 205, 1},
  {"data//sprite//playerfaceElite.png", P, GenerateVopPicture, 106, 1},
  {"data//sprite//playerfaceEliteMouth.png", P, GenerateVopPicture, 206, 1},
  {"data//sprite//spurpartikel.png", P, GenerateEffectPicture, 0, 1},
  {"data//sprite//spurpartikel2.png", P, GenerateEffectPicture, 1, 1},
  {"data//sprite//spurpartikel3.png", P, GenerateEffectPicture, 2, 1},
  {"data//sprite//schild.png", P, GenerateGoalPicture, 0, 1},
  {"data//sprite//schildp2.png", P, GenerateGoalPicture, 1, 1},
  {"data//sprite//schildMR.png", P, GenerateGoalPicture, 2, 1},
  {"data//sprite//schildp2MR.png", P, GenerateGoalPicture, 3, 1},
  {"data//sprite//pfeil.png", P, GenerateEffectPicture, 3, 1},
  // Named only by the level records (decoration slots, eye picture).
  {"data//sprite//playereye.png", P, GenerateVopPicture, kVopEyeParam, 1},
  {"data//sprite//sun1.png", P, GenerateSceneryPicture, 22, 2},
  {"data//sprite//tree6.png", P, GenerateSceneryPicture, 6, 3},
  {"data//sprite//tree7.png", P, GenerateSceneryPicture, 7, 3},
  // Shared scenery pictures.
  {"data//sprite//tree1.png", P, GenerateSceneryPicture, 1, 3},
  {"data//sprite//tree2.png", P, GenerateSceneryPicture, 2, 3},
  {"data//sprite//tree3.png", P, GenerateSceneryPicture, 3, 3},
  {"data//sprite//tree4.png", P, GenerateSceneryPicture, 4, 3},
  {"data//sprite//tree5.png", P, GenerateSceneryPicture, 5, 3},
  {"data//sprite//tree8.png", P, GenerateSceneryPicture, 8, 3},
  {"data//sprite//hill1.png", P, GenerateSceneryPicture, 11, 2},
  {"data//sprite//hill2.png", P, GenerateSceneryPicture, 12, 2},
  {"data//sprite//hill3.png", P, GenerateSceneryPicture, 13, 2},
  {"data//sprite//hill4.png", P, GenerateSceneryPicture, 14, 2},
  {"data//sprite//windrad.png", P, GenerateSceneryPicture, 20, 2},
  {"data//sprite//windradfu\xc3\x9f.png", P, GenerateSceneryPicture, 21, 2},
  // Menus.
  {"data//menusprite//w0circle.png", P, GenerateMenuPicture, 0, 2},
  {"data//menusprite//sun.png", P, GenerateMenuPicture, 1, 3},
  {"data//menusprite//black.png", P, GenerateMenuPicture, 2, 1},
  {"data//menusprite//logo.png", P, GenerateMenuPicture, 3, 2},
  {"data//menusprite//sky.png", P, GenerateMenuPicture, 4, 3},
  {"data//menusprite//sky_strong.png", P, GenerateMenuPicture, 5, 3},
  {"data//menusprite//buttons//stan_black.png", P, GenerateButtonPicture, 0, 1},
  {"data//menusprite//buttons//back_black.png", P, GenerateButtonPicture, 1, 1},
  {"data//menusprite//buttons//exit_black.png", P, GenerateButtonPicture, 2, 1},
  {"data//menusprite//buttons//credits_black.png", P, GenerateButtonPicture, 3, 1},
  {"data//menusprite//buttons//options_black.png", P, GenerateButtonPicture, 4, 1},
  {"data//menusprite//buttons//rucksetzten_black.png", P, GenerateButtonPicture, 5, 1},
  {"data//menusprite//buttons//stan_white.png", P, GenerateButtonPicture, 100, 1},
  {"data//menusprite//buttons//back_white.png", P, GenerateButtonPicture, 101, 1},
  {"data//menusprite//buttons//exit_white.png", P, GenerateButtonPicture, 102, 1},
  {"data//menusprite//buttons//credits_white.png", P, GenerateButtonPicture, 103, 1},
  {"data//menusprite//buttons//options_white.png", P, GenerateButtonPicture, 104, 1},
  {"data//menusprite//buttons//rucksetzten_white.png", P, GenerateButtonPicture, 105, 1},
  {"data//menusprite//buttons//boss_black.png", P, GenerateButtonPicture, 6, 1},
  {"data//menusprite//buttons//boss_white.png", P, GenerateButtonPicture, 106, 1},
  {"data//menusprite//buttons//haken.png", P, GenerateButtonPicture, 50, 1},
  {"data//menusprite//buttons//vopauswahl_anfangvop_black.png", P, GenerateButtonPicture, 11, 1},
  {"data//menusprite//buttons//vopauswahl_normalvop_black.png", P, GenerateButtonPicture, 12, 1},
  {"data//menusprite//buttons//vopauswahl_federvop_black.png", P, GenerateButtonPicture, 13, 1},
  {"data//menusprite//buttons//vopauswahl_felsvop_black.png", P, GenerateButtonPicture, 14, 1},
  {"data//menusprite//buttons//vopauswahl_zornvop_black.png", P, GenerateButtonPicture, 15, 1},
  {"data//menusprite//buttons//vopauswahl_elitevop_black.png", P, GenerateButtonPicture, 16, 1},
  {"data//menusprite//buttons//vopauswahl_anfangvop_white.png", P, GenerateButtonPicture, 111, 1},
  {"data//menusprite//buttons//vopauswahl_normalvop_white.png", P, GenerateButtonPicture, 112, 1},
  {"data//menusprite//buttons//vopauswahl_federvop_white.png", P, GenerateButtonPicture, 113, 1},
  {"data//menusprite//buttons//vopauswahl_felsvop_white.png", P, GenerateButtonPicture, 114, 1},
  {"data//menusprite//buttons//vopauswahl_zornvop_white.png", P, GenerateButtonPicture, 115, 1},
  {"data//menusprite//buttons//vopauswahl_elitevop_white.png", P, GenerateButtonPicture, 116, 1},
  // Chapter titles, one set per language (param = language * 10 + chapter).
  {"data//menusprite//buttons//schrift//ch1.png", P, GenerateChapterTitle, 11, 2},
  {"data//menusprite//buttons//schrift//ch2.png", P, GenerateChapterTitle, 12, 2},
  {"data//menusprite//buttons//schrift//ch3.png", P, GenerateChapterTitle, 13, 2},
  {"data//menusprite//buttons//schrift//ch4.png", P, GenerateChapterTitle, 14, 2},
  {"data//menusprite//buttons//schrift//ch5.png", P, GenerateChapterTitle, 15, 2},
  {"data//menusprite//buttons//schrift//ch1e.png", P, GenerateChapterTitle, 21, 2},
  {"data//menusprite//buttons//schrift//ch2e.png", P, GenerateChapterTitle, 22, 2},
  {"data//menusprite//buttons//schrift//ch3e.png", P, GenerateChapterTitle, 23, 2},
  {"data//menusprite//buttons//schrift//ch4e.png", P, GenerateChapterTitle, 24, 2},
  {"data//menusprite//buttons//schrift//ch5e.png", P, GenerateChapterTitle, 25, 2},
  {"data//menusprite//buttons//schrift//ch1fr.png", P, GenerateChapterTitle, 31, 2},
  {"data//menusprite//buttons//schrift//ch2fr.png", P, GenerateChapterTitle, 32, 2},
  {"data//menusprite//buttons//schrift//ch3fr.png", P, GenerateChapterTitle, 33, 2},
  {"data//menusprite//buttons//schrift//ch4fr.png", P, GenerateChapterTitle, 34, 2},
  {"data//menusprite//buttons//schrift//ch5fr.png", P, GenerateChapterTitle, 35, 2},
  {"data//menusprite//buttons//schrift//ch1it.png", P, GenerateChapterTitle, 41, 2},
  {"data//menusprite//buttons//schrift//ch2it.png", P, GenerateChapterTitle, 42, 2},
  {"data//menusprite//buttons//schrift//ch3it.png", P, GenerateChapterTitle, 43, 2},
  {"data//menusprite//buttons//schrift//ch4it.png", P, GenerateChapterTitle, 44, 2},
  {"data//menusprite//buttons//schrift//ch5it.png", P, GenerateChapterTitle, 45, 2},
  {"data//menusprite//buttons//schrift//ch1es.png", P, GenerateChapterTitle, 51, 2},
  {"data//menusprite//buttons//schrift//ch2es.png", P, GenerateChapterTitle, 52, 2},
  {"data//menusprite//buttons//schrift//ch3es.png", P, GenerateChapterTitle, 53, 2},
  {"data//menusprite//buttons//schrift//ch4es.png", P, GenerateChapterTitle, 54, 2},
  {"data//menusprite//buttons//schrift//ch5es.png", P, GenerateChapterTitle, 55, 2},
  // The launcher's banner.
  {"data//banner.bmp", DataKind::Bmp, GenerateBanner, 0, 2},
  // Sound effects, in the game's load order.
  {"data//fvs//Vop_Jump.wav", DataKind::Wav, GenerateSoundEffect, 0, 2},
  {"data//fvs//Vops_move_jump.wav", DataKind::Wav, GenerateSoundEffect, 1, 2},
  {"data//fvs//Vop_Detach_from_Ceiling.wav", DataKind::Wav, GenerateSoundEffect, 2, 2},
  {"data//fvs//Vop_Ground_after_jump.wav", DataKind::Wav, GenerateSoundEffect, 3, 2},
  {"data//fvs//Vops_explode.wav", DataKind::Wav, GenerateSoundEffect, 4, 2},
  {"data//fvs//Vop_Angry.wav", DataKind::Wav, GenerateSoundEffect, 5, 2},
  {"data//fvs//Cannon Blast.wav", DataKind::Wav, GenerateSoundEffect, 6, 2},
  {"data//fvs//Vops_cannon_turn.wav", DataKind::Wav, GenerateSoundEffect, 7, 2},
  {"data//fvs//Vop_move_loop.wav", DataKind::Wav, GenerateSoundEffect, 8, 2},
  {"data//fvs//Air_Vop_move_loop.wav", DataKind::Wav, GenerateSoundEffect, 9, 2},
  {"data//fvs//Stone_Vop_move_loop.wav", DataKind::Wav, GenerateSoundEffect, 10, 2},
  {"data//fvs//Vops_move_air.wav", DataKind::Wav, GenerateSoundEffect, 11, 2},
  {"data//fvs//Vops_move_normal.wav", DataKind::Wav, GenerateSoundEffect, 12, 2},
  {"data//fvs//Mouse_Scroll_2.wav", DataKind::Wav, GenerateSoundEffect, 13, 1},
  {"data//fvs//Mouse_Select.wav", DataKind::Wav, GenerateSoundEffect, 14, 1},
  {"data//fvs//Score_add_loop.wav", DataKind::Wav, GenerateSoundEffect, 15, 1},
  {"data//fvs//Score_add_end.wav", DataKind::Wav, GenerateSoundEffect, 16, 1},
  {"data//fvs//Vops_ambience_light.wav", DataKind::Wav, GenerateSoundEffect, 17, 5},
  {"data//fvs//Vops_ambience_dark.wav", DataKind::Wav, GenerateSoundEffect, 18, 5},
  {"data//fvs//Vops_level_die.wav", DataKind::Wav, GenerateSoundEffect, 19, 2},
  {"data//fvs//Vops_level_pass.wav", DataKind::Wav, GenerateSoundEffect, 20, 2},
  // Music: the title track and every track the level table chooses.
  {"data//fvm//FV_Title.OGG", DataKind::Ogg, GenerateMusicTrack, 0, 100},
  {"data//fvm//FV_Easy.OGG", DataKind::Ogg, GenerateMusicTrack, 1, 100},
  {"data//fvm//FV_Easy_2.OGG", DataKind::Ogg, GenerateMusicTrack, 2, 100},
  {"data//fvm//FV_Wip.OGG", DataKind::Ogg, GenerateMusicTrack, 3, 100},
  {"data//fvm//FV_Piano.OGG", DataKind::Ogg, GenerateMusicTrack, 4, 100},
  {"data//fvm//FV_Snow.OGG", DataKind::Ogg, GenerateMusicTrack, 5, 100},
  {"data//fvm//FV_Sprint.OGG", DataKind::Ogg, GenerateMusicTrack, 6, 100},
  {"data//fvm//FV_Final.OGG", DataKind::Ogg, GenerateMusicTrack, 7, 100},
  {"data//fvm//FV_Boss.OGG", DataKind::Ogg, GenerateMusicTrack, 8, 100},
  {"data/fvm//8.ogg", DataKind::Ogg, GenerateMusicTrack, 9, 100},
  // Language files (param = the game's language id).
  {"data//language//de.ini", DataKind::Ini, GenerateLanguageFile, 1, 1},
  {"data//language//en.ini", DataKind::Ini, GenerateLanguageFile, 2, 1},
  {"data//language//fr.ini", DataKind::Ini, GenerateLanguageFile, 3, 1},
  {"data//language//it.ini", DataKind::Ini, GenerateLanguageFile, 4, 1},
  {"data//language//es.ini", DataKind::Ini, GenerateLanguageFile, 5, 1},
  // Bloom effects (the game writes these paths with single backslashes).
  {"data\\shader\\BloomExtract.fx", DataKind::Shader, GenerateShaderFile, 0, 1},
  {"data\\shader\\GaussianBlur.fx", DataKind::Shader, GenerateShaderFile, 1, 1},
  {"data\\shader\\BloomCombine.fx", DataKind::Shader, GenerateShaderFile, 2, 1},
  // The font and its licence.
  {"data//FVf.ttf", DataKind::Ttf, CopyFontFile, 0, 1},
  {"data//FVf-LICENCE.txt", DataKind::Text, CopyFontLicence, 0, 1},
};

void AddFixedDataFiles(std::vector<DataFile>& rows) {
  rows.insert(rows.end(), std::begin(fixedDataFiles), std::end(fixedDataFiles));
}

// Every source of catalogue rows, in order.
const CatalogueSource catalogueSources[] = {
    AddFixedDataFiles,
};

}  // namespace

const char* KeepPath(const std::string& path) {
  static std::mutex lock;
  static std::deque<std::string> kept;  // a deque never moves its strings
  std::lock_guard<std::mutex> guard(lock);
  kept.push_back(path);
  return kept.back().c_str();
}

const std::vector<DataFile>& DataCatalogue() {
  static const std::vector<DataFile> rows = [] {
    std::vector<DataFile> all;
    for (CatalogueSource source : catalogueSources) source(all);
    return all;
  }();
  return rows;
}

const DataFile* FindDataFile(const char* path) {
  for (const DataFile& file : DataCatalogue()) {
    if (std::strcmp(file.path, path) == 0) return &file;
  }
  return nullptr;
}
