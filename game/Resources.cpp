#include "game/Resources.h"

#include <cstdio>

#include "engine/AudioWrappers.h"
#include "engine/GameFont.h"
#include "engine/LanguageTables.h"
#include "engine/PictureBatch.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "platform/Audio.h"

const SoundBufferEntry soundBufferTable[soundBufferCount] = {
    {&jumpSoundBuffer, "data//fvs//Vop_Jump.wav"},
    {&airJumpSoundBuffer, "data//fvs//Vops_move_jump.wav"},
    {&ceilingSoundBuffer, "data//fvs//Vop_Detach_from_Ceiling.wav"},
    {&groundHitSoundBuffer, "data//fvs//Vop_Ground_after_jump.wav"},
    {&explodeSoundBuffer, "data//fvs//Vops_explode.wav"},
    {&angrySoundBuffer, "data//fvs//Vop_Angry.wav"},
    {&cannonBlastSoundBuffer, "data//fvs//Cannon Blast.wav"},
    {&cannonTurnSoundBuffer, "data//fvs//Vops_cannon_turn.wav"},
    {&rollLoopSoundBuffer, "data//fvs//Vop_move_loop.wav"},
    {&airRollLoopSoundBuffer, "data//fvs//Air_Vop_move_loop.wav"},
    {&stoneRollLoopSoundBuffer, "data//fvs//Stone_Vop_move_loop.wav"},
    {&airMoveLoopSoundBuffer, "data//fvs//Vops_move_air.wav"},
    {&normalMoveLoopSoundBuffer, "data//fvs//Vops_move_normal.wav"},
    {&menuSelectSoundBuffer, "data//fvs//Mouse_Scroll_2.wav"},
    {&menuClickSoundBuffer, "data//fvs//Mouse_Select.wav"},
    {&scoreLoopSoundBuffer, "data//fvs//Score_add_loop.wav"},
    {&scoreEndSoundBuffer, "data//fvs//Score_add_end.wav"},
    {&lightAmbienceSoundBuffer, "data//fvs//Vops_ambience_light.wav"},
    {&darkAmbienceSoundBuffer, "data//fvs//Vops_ambience_dark.wav"},
    {&levelDieSoundBuffer, "data//fvs//Vops_level_die.wav"},
    {&levelPassSoundBuffer, "data//fvs//Vops_level_pass.wav"},
};

const SoundObjectEntry soundObjectTable[soundObjectCount] = {
    {&jumpSound, &jumpSoundBuffer, false, 100.0f},
    {&airJumpSound, &airJumpSoundBuffer, false, 100.0f},
    {&impactSound, &ceilingSoundBuffer, false, 100.0f},
    {&softImpactSound, &ceilingSoundBuffer, false, 80.0f},
    {&groundHitSound, &groundHitSoundBuffer, false, 100.0f},
    {&explodeSound, &explodeSoundBuffer, false, 100.0f},
    {&angrySound, &angrySoundBuffer, false, 100.0f},
    {&menuSelectSound, &menuSelectSoundBuffer, false, 100.0f},
    {&menuClickSound, &menuClickSoundBuffer, false, 100.0f},
    {&scoreLoopSound, &scoreLoopSoundBuffer, false, 100.0f},
    {&scoreEndSound, &scoreEndSoundBuffer, false, 100.0f},
    {&rollLoopSound, &rollLoopSoundBuffer, true, 100.0f},
    {&airRollLoopSound, &airRollLoopSoundBuffer, true, 100.0f},
    {&stoneRollLoopSound, &stoneRollLoopSoundBuffer, true, 100.0f},
    {&normalMoveLoopSound, &normalMoveLoopSoundBuffer, true, 100.0f},
    {&airMoveLoopSound, &airMoveLoopSoundBuffer, true, 100.0f},
    {&lightAmbience, &lightAmbienceSoundBuffer, true, 17.0f},
    {&darkAmbience, &darkAmbienceSoundBuffer, true, 25.0f},
    {&levelDieSound, &levelDieSoundBuffer, false, 40.0f},
    {&levelPassSound, &levelPassSoundBuffer, false, 100.0f},
};

namespace {

// The sound files decode on two worker threads once the launcher shows,
// beside the pictures; the buffers are filled on the game thread once sound
// is known to be wanted.
struct SoundDecoding {
    DecodedSound decoded[soundBufferCount];
    bool samples = false;
    bool running = false;
    WorkBatch work;
};
SoundDecoding soundDecoding;
constexpr int soundDecodeThreads = 2;

void DecodeSoundJob(void* context, int index)
{
    SoundDecoding& d = *static_cast<SoundDecoding*>(context);
    DecodeSoundFile(soundBufferTable[index].file, d.samples, &d.decoded[index]);
}

void StartDecodingSounds()
{
    if (soundDecoding.running) return;
    soundDecoding.samples = PrepareSoundDecoding();
    soundDecoding.running = true;
    StartWork(soundDecoding.work, soundBufferCount, DecodeSoundJob, &soundDecoding, soundDecodeThreads);
}

void FinishDecodingSounds()
{
    if (!soundDecoding.running) return;
    FinishWork(soundDecoding.work);
    for (DecodedSound& d : soundDecoding.decoded) FreeDecodedSound(&d);
    soundDecoding.running = false;
}

}  // namespace

void LoadSounds()
{
    if (!soundEnabled) {
        FinishDecodingSounds();
        return;
    }
    StartDecodingSounds();
    for (int i = 0; i < soundBufferCount; ++i) {
        WaitForJob(soundDecoding.work, i);
        soundBufferTable[i].buffer->LoadDecoded(soundDecoding.decoded[i]);
    }
    FinishDecodingSounds();
    for (const SoundObjectEntry& e : soundObjectTable) {
        e.sound->SetBuffer(*e.buffer);
        e.sound->SetLoop(e.loop);
        e.sound->SetVolume(e.volume);
    }
    for (ObjectSoundSet& set : objectSounds) {
        set.bounceVoice.SetBuffer(ceilingSoundBuffer);
        set.popVoice.SetBuffer(groundHitSoundBuffer);
        set.cannonTurnVoice.SetBuffer(cannonTurnSoundBuffer);
        set.cannonTurnVoice.SetLoop(true);
        set.cannonBlastVoice.SetBuffer(cannonBlastSoundBuffer);
    }
}

// ---------------------------------------------------------------------------
// Pictures

#define S "data//sprite//"
#define M "data//menusprite//"
#define B "data//menusprite//buttons//"

// In-game pictures and the Vop, in load order.
const PictureEntry inGamePictureTable[inGamePictureCount] = {
    {&enemyEyeSprite, S "gegner1eye.png", {0, 0, 80, 50}},
    {&enemyBodySprites[0], S "gegner1body.png", {0, 0, 80, 80}},
    {&enemyBodySprites[1], S "gegner1bodyMR.png", {0, 0, 80, 80}},
    {&bigGearCwSprites[0], S "zahnrad_im_us.png", {}},
    {&bigGearCcwSprites[0], S "zahnrad_gd_us.png", {}},
    {&smallGearCwSprites[0], S "zahnradklein_im_us.png", {}},
    {&smallGearCcwSprites[0], S "zahnradklein_gd_us.png", {}},
    {&cannonSprites[0], S "kanone.png", {}},
    {&bigGearCwSprites[1], S "zahnrad_im_us_MR.png", {}},
    {&bigGearCcwSprites[1], S "zahnrad_gd_us_MR.png", {}},
    {&smallGearCwSprites[1], S "zahnradklein_im_us_MR.png", {}},
    {&smallGearCcwSprites[1], S "zahnradklein_gd_us_MR.png", {}},
    {&cannonSprites[1], S "kanone_MR.png", {}},
    {&spikeVopSprites[0], S "playerstachel.png", {23, 23, 105, 105}},
    {&spikeVopSprites[1], S "playerstachelMR.png", {23, 23, 105, 105}},
    {&airVopSprites[0], S "playerfeder.png", {23, 23, 105, 105}},
    {&airVopSprites[1], S "playerfederMR.png", {23, 23, 105, 105}},
    {&rockVopSprites[0], S "playerfels.png", {23, 23, 105, 105}},
    {&rockVopSprites[1], S "playerfelsMR.png", {23, 23, 105, 105}},
    {&beginnerVopSprites[0], S "playeranfang.png", {23, 23, 105, 105}},
    {&beginnerVopSprites[1], S "playeranfangMR.png", {23, 23, 105, 105}},
    {&angryVopSprites[0], S "playerzorn.png", {23, 23, 105, 105}},
    {&angryVopSprites[1], S "playerzornMR.png", {23, 23, 105, 105}},
    {&eliteVopSprites[0], S "playerhardcore.png", {23, 23, 105, 105}},
    {&eliteVopSprites[1], S "playerhardcoreMR.png", {23, 23, 105, 105}},
    {&vopFaceSprites[0][0], S "playerfaceStachel.png", {}},
    {&vopFaceSprites[0][1], S "playerfaceStachelMouth.png", {}},
    {&vopFaceSprites[1][0], S "playerfaceFeder.png", {}},
    {&vopFaceSprites[1][1], S "playerfaceFederMouth.png", {}},
    {&vopFaceSprites[2][0], S "playerfaceFels.png", {}},
    {&vopFaceSprites[2][1], S "playerfaceFelsMouth.png", {}},
    {&vopFaceSprites[3][0], S "playerfaceBeginner.png", {}},
    {&vopFaceSprites[3][1], S "playerfaceBeginnerMouth.png", {}},
    {&vopFaceSprites[4][0], S "playerfaceZorn.png", {}},
    {&vopFaceSprites[4][1], S "playerfaceZornMouth.png", {}},
    {&vopFaceSprites[5][0], S "playerfaceElite.png", {}},
    {&vopFaceSprites[5][1], S "playerfaceEliteMouth.png", {}},
    {&trailParticleSprites[0], S "spurpartikel.png", {}},
    {&trailParticleSprites[1], S "spurpartikel2.png", {}},
    {&trailParticleSprites[2], S "spurpartikel3.png", {}},
    {&goalShield[0], S "schild.png", {}},
    {&goalShield[2], S "schildp2.png", {}},
    {&goalShield[1], S "schildMR.png", {}},
    {&goalShield[3], S "schildp2MR.png", {}},
    {&arrowSprite, S "pfeil.png", {}},
};

// Menu and scenery pictures, in load order (the sky is chosen apart).
const PictureEntry menuPictureTable[menuPictureCount] = {
    {&worldCircleSprite, M "w0circle.png", {}},
    {&sceneryTree1, S "tree1.png", {130, 0, 445, 511}},
    {&sceneryTree2, S "tree2.png", {125, 5, 425, 509}},
    {&sceneryTree3, S "tree3.png", {}},
    {&sceneryTree4, S "tree4.png", {}},
    {&sceneryTree5, S "tree5.png", {}},
    {&sceneryTree8, S "tree8.png", {}},
    {&sceneryHill1, S "hill1.png", {0, 240, 511, 511}},
    {&sceneryHill2, S "hill2.png", {0, 215, 511, 511}},
    {&sceneryHill3, S "hill3.png", {}},
    {&sceneryHill4, S "hill4.png", {}},
    {&sceneryWindmillWheel, S "windrad.png", {}},
    {&sceneryWindmillTower, S "windradfuß.png", {132, 0, 365, 511}},
    {&sunSprite, M "sun.png", {}},
    {&blackSprite, M "black.png", {}},
    {&logoSprite, M "logo.png", {0, 131, 511, 300}},
    {&stanButton[0], B "stan_black.png", {}},
    {&backButton[0], B "back_black.png", {}},
    {&exitButton[0], B "exit_black.png", {}},
    {&creditsButton[0], B "credits_black.png", {}},
    {&optionsButton[0], B "options_black.png", {}},
    {&resetButton[0], B "rucksetzten_black.png", {}},
    {&levelButton[0], B "stan_black.png", {}},
    {&bossButton[0], B "boss_black.png", {}},
    {&stanButton[1], B "stan_white.png", {}},
    {&backButton[1], B "back_white.png", {}},
    {&exitButton[1], B "exit_white.png", {}},
    {&creditsButton[1], B "credits_white.png", {}},
    {&optionsButton[1], B "options_white.png", {}},
    {&resetButton[1], B "rucksetzten_white.png", {}},
    {&checkMarkSprite, B "haken.png", {}},
    {&levelButton[1], B "stan_white.png", {}},
    {&bossButton[1], B "boss_white.png", {}},
    {&kindButtonBlack[0], B "vopauswahl_anfangvop_black.png", {}},
    {&kindButtonBlack[1], B "vopauswahl_normalvop_black.png", {}},
    {&kindButtonBlack[2], B "vopauswahl_federvop_black.png", {}},
    {&kindButtonBlack[3], B "vopauswahl_felsvop_black.png", {}},
    {&kindButtonBlack[4], B "vopauswahl_zornvop_black.png", {}},
    {&kindButtonBlack[5], B "vopauswahl_elitevop_black.png", {}},
    {&kindButtonWhite[0], B "vopauswahl_anfangvop_white.png", {}},
    {&kindButtonWhite[1], B "vopauswahl_normalvop_white.png", {}},
    {&kindButtonWhite[2], B "vopauswahl_federvop_white.png", {}},
    {&kindButtonWhite[3], B "vopauswahl_felsvop_white.png", {}},
    {&kindButtonWhite[4], B "vopauswahl_zornvop_white.png", {}},
    {&kindButtonWhite[5], B "vopauswahl_elitevop_white.png", {}},
};

#undef S
#undef M
#undef B

namespace {

// Chapter-title file suffixes by language id 1..5 (German, English, French,
// Italian, Spanish).
const char* const chapterTitleFiles[5][5] = {
    {"ch1.png", "ch2.png", "ch3.png", "ch4.png", "ch5.png"},
    {"ch1e.png", "ch2e.png", "ch3e.png", "ch4e.png", "ch5e.png"},
    {"ch1fr.png", "ch2fr.png", "ch3fr.png", "ch4fr.png", "ch5fr.png"},
    {"ch1it.png", "ch2it.png", "ch3it.png", "ch4it.png", "ch5it.png"},
    {"ch1es.png", "ch2es.png", "ch3es.png", "ch4es.png", "ch5es.png"},
};
const char* const gameFontFile = "data//FVf.ttf";
const char* const gameFontFace = "Snap ITC";

// The catalogue's files, decoded together on worker threads and taken in
// the catalogue's order.
PictureBatch resourcePictures;
static_assert(inGamePictureCount + menuPictureCount + 2 + 5 <= maxBatchPictures,
              "the catalogue's pictures fit one batch");
// Both skies decode: which one shows is chosen in the launcher, while they
// decode.
int skyPictures[2] = {-1, -1};  // batch index of the sky for shader option 0, 1
bool resourcesStarted = false;

void AddPictureTable(const PictureEntry* table, int count)
{
    for (int i = 0; i < count; ++i) AddBatchPicture(resourcePictures, table[i].picture, table[i].file);
}

// Fills the table's records from batch pictures first, first + 1, ...
void LoadPictureTable(const PictureEntry* table, int count, int first)
{
    for (int i = 0; i < count; ++i) {
        const PictureEntry& entry = table[i];
        LoadBatchPicture(resourcePictures, first + i);
        const int* r = entry.sourceRect;
        if (r[0] != 0 || r[1] != 0 || r[2] != 0 || r[3] != 0)
            entry.picture->SetSourceRect(r[0], r[1], r[2], r[3]);
    }
}

}  // namespace

const char* SkyPictureFile(int shaderOption)
{
    return shaderOption != 0 ? "data//menusprite//sky.png" : "data//menusprite//sky_strong.png";
}

const char* ChapterTitleFile(int language, int page)
{
    if (language < 1 || language > 5 || page < 0 || page > 4)
        return nullptr;
    return chapterTitleFiles[language - 1][page];
}

const char* const chapterTitleFolder = "data//menusprite//buttons//schrift//";

namespace {

void StartResourceDecoding(bool beforeWindow)
{
    if (resourcesStarted)
        return;
    resourcesStarted = true;
    resourcePictures.forGameWindow = beforeWindow;
    AddPictureTable(inGamePictureTable, inGamePictureCount);
    AddPictureTable(menuPictureTable, menuPictureCount);
    for (int option = 0; option < 2; ++option)
        skyPictures[option] = AddBatchPicture(resourcePictures, nullptr, SkyPictureFile(option));
    char path[160];
    for (int page = 0; page < 5; ++page) {
        const char* file = ChapterTitleFile(languageId, page);
        if (!file)
            break;
        std::snprintf(path, sizeof path, "%s%s", chapterTitleFolder, file);
        AddBatchPicture(resourcePictures, &chapterTitles[page], path);
    }
    StartPictureBatch(resourcePictures);
    StartDecodingSounds();
}

}  // namespace

void StartLoadingResources() { StartResourceDecoding(true); }

void StopLoadingResources()
{
    AbandonPictureBatch(resourcePictures);
    FinishDecodingSounds();
    resourcesStarted = false;
}

void LoadResources()
{
    StartResourceDecoding(false);
    LoadPictureTable(inGamePictureTable, inGamePictureCount, 0);
    std::printf("Haupt-Sprites geladen\n");
    std::fflush(stdout);

    LoadPictureTable(menuPictureTable, menuPictureCount, inGamePictureCount);
    LoadBatchPictureInto(resourcePictures, skyPictures[shaderEnabled != 0 ? 1 : 0], &skySprite);
    // The chapter titles follow the sky, in page order.
    FinishPictureBatch(resourcePictures);
    resourcesStarted = false;

    fontSmall.Load(gameFontFile, gameFontFace, 28);
    fontMedium.Load(gameFontFile, gameFontFace, 50);
    fontLarge.Load(gameFontFile, gameFontFace, 100);

    LoadSounds();
}
