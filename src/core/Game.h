// The program-wide game record: settings, play-flow mode, level list, input
// state, frame time and the handles every subsystem reaches through it.
// Members whose defaults are set by Game::resetDefaults are declared "{}" here;
// the constructor builds everything empty and then calls resetDefaults.
#pragma once

#include "core/HighScoreTable.h"
#include "core/MenuScreens.h"
#include "world/ScreenSpot.h"

#include <OgreColourValue.h>
#include <OgreVector.h>

#include <SDL.h>

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace Ogre {
class Overlay;
class RenderWindow;
class SceneManager;
class TextureUnitState;
} // namespace Ogre
namespace OIS {
class Keyboard;
class Mouse;
} // namespace OIS

class ExplosionElement;
class GameHUD;
class Item;
class Obb;
class bullet;
class bulletDefinition;
class Level;
class Player;
class Wave;
class Weapon;
class background;
struct soundDefinition;
struct pictureDefinition;
struct ExplosionRef;
struct sfxLibraryEntry;

// One level of the game file's level list.
struct gameFileEntry {
    std::string name;
    std::string screenName;
    std::string thumbnail;
    bool isTriggerEnd = false;
    bool isIncludedInBuild = true;
    bool isGameplayLevel = true;
    bool isDuplicated = false;
};

// One text of a keyed text table: the language file's strings, and the keys
// made at run time for texts that have none yet.
struct textEntry {
    std::string text;
    std::string sourceText; // the text as read
    int kind = 0;           // 3 read from the language file, 0 made at run time
    int level = 0;          // the level the text belongs to
};

// One game mode of the game file, with the screen names of its difficulties.
struct gameModeDefinition {
    std::string screenName;
    int maxDifficulties = 0;
    std::vector<std::string> difficulties;
};

class Game {
public:
    Game();
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The one game record, from its constructor to its destructor.
    static Game* getSingletonPtr();
    static Game& getSingleton();

    void resetDefaults();
    void init();
    void loadSoundSettings();
    void saveConfig();
    void shutdown();
    // The exported game's libraries, and the change to another exported game.
    void loadGameData();
    void loadGameboxes();
    void buildToybox();
    void loadParticlePresets();
    void clearLibraries();
    void setupResourceLocations();
    void logResourcesInitialized();
    void changeGame();
    // Localised text: a missing key gives the key itself (or the fallback).
    std::string getText(std::string key) const;
    std::string getTextForLanguage(std::string key);
    std::string getDefaultText(std::string key, std::string fallback) const;
    std::string makeTextKey(std::map<std::string, textEntry>& table);
    void findLevelIndex();
    void resetGame();
    void resetLevel();
    void setGameState(int mode);
    // Play-flow counters: the level change resets, the chain, the gauge, the
    // power-ups and the lives; the player made from its library definition.
    void applyLevelResets();
    void stepMultiplier();
    void addGauge(int amount);
    void addEnergy(float amount);
    void loseLife();
    void createPlayer(const std::string& definitionName);
    // The object pools: shot records for a level, items for a play.
    void createBulletPools();
    void destroyBulletPools();
    void createItemPool();
    void destroyItemPool();
    // The medal to drop in place of a medal item (the item itself otherwise).
    Item* selectLeveledItem(Item* item);
    // Drops count items of the definition around the screen point of the
    // position: the one way items enter play.
    void spawnItem(const std::string& name, const Ogre::Vector3& position, int count = 1, int radius = 0,
                   float randomness = 0.0f, bool isSlow = false);
    // Once per frame of play: fades, pad polling, play clock and timers.
    void update(double dt);
    // The black screen fade ("FadeInOut") and the half-dark background fade
    // behind the in-game screens ("BlackBG").
    void startFadeIn(float duration);
    void startFadeOut(float duration);
    void updateFade(double dt);
    void startBackgroundFadeIn(float duration);
    void startBackgroundFadeOut(float duration);
    void cancelBackgroundFade();
    void updateBackgroundFade(double dt);
    // The high-score table and its file "high.scores".
    void addHighScore(const std::string& name, std::int64_t score, int lastLevel);
    int highScoreRank() const;
    void saveHighScores();
    // Merges controller, keyboard and (in play) mouse into the virtual controls below.
    void pollGamepads();
    // Applies the requested window mode and size (fullscreen, width, height...).
    void changeResolution();
    float computeAspectRatio();

    // Folders, game and level names
    std::string documentsFolder;
    std::string programFolder;
    std::string editorRoot;
    std::string engineVersion;
    std::string preferenceFolder;
    std::string gameFolder;
    std::string gameName;
    std::string pendingGameFolder;
    std::string pendingLevelName;
    std::string levelName;
    std::string extensionPath;
    std::vector<gameFileEntry*> levels; // owned
    int levelIndex = 0;
    std::map<int, gameModeDefinition> gameModes;
    // The start menu's screens of the menu layout.
    menuScreenMap menuScreens;
    std::map<std::string, bool> extensions;
    std::vector<std::string> playerNames;
    std::map<std::string, bool> tutorialsSeen;
    std::string lastTutorial;
    std::string splashScreenPicture;
    std::string splashScreenPicture2;
    bool isStartMenuPresent = false;

    // Renderer and window settings
    int library{};
    int fullscreen{};
    int width{};
    int height{};
    unsigned fullScreenWidth{};
    unsigned fullScreenHeigth{};
    int currentFullScreenWidth = 1920;
    int currentFullScreenHeight = 1080;
    int currentWindowMode = 0;
    // The window mode and sizes changeResolution last applied (0 until then).
    int appliedWindowMode = 0;
    int appliedWidth = 0;
    int appliedHeight = 0;
    unsigned appliedFullScreenWidth = 0;
    unsigned appliedFullScreenHeight = 0;
    // The camera's aspect ratio, from computeAspectRatio.
    float aspectRatio = 0.0f;
    bool isDesktopPortrait = false;
    bool isSteamDeck = false;
    int GpuFlush{};
    unsigned shadowTextureRes{};
    bool postFX{};
    bool IsPostFXOutline{};
    bool isAlwaysRender{};
    bool isUseOldBulletTiming{};
    int screenRatio{};
    bool isPortrait = false;
    // Overlay pictures shrink on windows narrower than the layout's aspect, so
    // that they keep within it as the layout's positions do.
    bool isShrinkOnNarrowScreens = true;
    // View options of the game camera: the editor's safe-frame guides in
    // place of the fitted viewport, black bars that keep the design aspect on
    // other windows, the pixel scale of the sky (1.0 = smooth), and sky-layer
    // speeds that scroll vertically (the slot factor on y rather than x).
    bool isSafeFrame = false;
    bool isLetterbox = false;
    float pixelScale = 1.0f;
    bool isLayerSpeedVertical = false;
    std::string language;
    // Key-to-text tables of the current language: screen texts and tutorial texts.
    std::map<std::string, std::string> localizationTags;
    std::map<std::string, std::string> tutorialTags;
    // Per language, what its language file gives besides strings: font
    // substitutions, from font name to the font used instead.
    std::map<std::string, std::map<std::string, std::string>> languageTables;
    // The strings of the language file last read ("default" after a game change).
    std::map<std::string, textEntry> defaultTexts;
    // The keys the HUD reader made for texts that came without one.
    std::map<std::string, textEntry> hudTexts;

    // Sound settings (percent)
    bool isSoundOn{};
    int masterVolume{};
    int musicVolume{};
    int sfxVolume{};
    // The sounds library ("gamebox.sounds"): name to owned definition.
    std::map<std::string, soundDefinition*> soundLibrary;

    // Pad settings: SDL game-controller button numbers, 100 and 101 the triggers
    int deadzone{};
    int leftStickNumber{};
    int rightStickNumber{};
    std::array<int, 8> shootButtonNumber{};
    int start{};
    int select{};

    // Keyboard settings: OIS key codes
    int upKey{};
    int downKey{};
    int leftKey{};
    int rightKey{};
    int startButton{};
    int selectButton{};
    std::array<int, 8> shootButton{};

    // Editor preferences, kept and written back; no effect on play
    bool grid{};
    float gridSize{};
    int gridAngle{};
    float triggerIconSize{};
    bool isCheckForDuplicates{};
    bool isSnapping{};
    bool isRotSnapping{};
    bool isScaleSnapping{};
    float scaleSnapSize{};
    bool isSpriteSnapping{};
    bool isLastElementSnapping{};
    float snap3DSize{};
    float snap3DAngleSize{};
    bool isViewFrustum{};
    float gizmosSize{};
    bool isPostInEditor{};
    unsigned maxSpritesPriorities{};
    bool isShowWindowsCursor{};

    // Debug settings
    bool isDebugInfos{};
    bool isFirstTutorials{};
    bool isFirstLaunch{};

    // Sounds, pictures, fonts and texts of the screens and effects
    std::string pauseSound;
    std::string textSound;
    std::string startMenuClick;
    std::string startMenuValidate;
    std::string startMenuStartsGame;
    std::string startMenuBack;
    std::string startMenuGo;
    std::string startMenuLogoFont;
    std::string startMenuFont;
    std::string startMenuBlockTextureName;
    std::string HSMenuBG;
    std::string HSspinnerSound;
    std::string HSleftRightSound;
    std::string HSvalidateSound;
    std::string scoreMenuBG;
    std::string scoreSound;
    std::string scoreFont;
    std::string pauseMenuBG;
    std::string continueMenuBG;
    std::string gameOverText;
    std::string gameOverGfx;
    std::string gameWinText;
    std::string gameWinGfx;
    std::string gameCompletedText;
    std::string gameCompletedGfx;
    std::string gamePauseText;
    std::string scoreTextureName;
    std::string multiplierTextureName;
    std::string scoreParticleName;
    std::string multiplierParticleName;
    std::string locktextureName;
    std::string aimTextureName;
    std::string lockRadarMaterialName;
    std::string lockMaxSoundName;
    std::string gaugeSpawnedItem;
    std::string Sound1up;
    std::string cancelSfxName;
    std::string cancelSoundName;
    std::string pauseMenuFont;
    std::string continueMenuFont;
    std::string gameHUDFont;
    std::string gameMenuFont;
    std::string gameEndFont;
    std::string smartBombSfx;
    std::string playerName;
    std::string gameOverMusic;
    std::string gameWonMusic;
    std::string gameCompleteMusic;
    std::string startMenuMusic;
    std::string startMenuBackground;
    std::string startMenuLogoGfx;
    std::string gamePauseGfx;
    std::string gameHUDBG_texture;
    std::string GaugeTextureBack;
    std::string GaugeTextureFront;
    std::string GaugeTextureReady;
    std::string gaugeReadySound;
    std::string gaugeStartSound;
    std::string gaugeStartSpawnedItem;
    std::string gaugeStartParticleFX;
    std::string ChainGaugeTextureBack;
    std::string ChainGaugeTextureFront;
    std::string enemyLifebarTextureBack;
    std::string enemyLifebarTextureFront;
    std::string enemyBossLifebarTextureBack;
    std::string enemyBossLifebarTextureFront;
    std::string upSfx;
    std::string playerCollisionSfx;
    std::string playerInvincibleCollisionSfx;

    // The game file's identity: its version, the player definition and the
    // title shown, the store id. The game id is the editor's and is never
    // kept after a read.
    std::string versionNumber;
    std::string parentPlayerName;
    std::string gameScreenName;
    std::string gameUID;
    std::string steamUID;

    // Game options of the game file
    bool isUseArrowsForDirections{};
    std::int64_t maximumScore{};
    bool isBulletsSeparateAnimation{};
    bool isBulletOnTopOfPlayer{};
    // A shot that ages out still shows its impact.
    bool isBulletDeadAfterLifeSpawnSfx = true;
    bool isForceWeaponFXonTopOfPlayer{};
    int levelTypePreference{};
    float spriteScale{};
    bool isExplosionSpawnLight{};
    float padCurvePower{};
    float lockingSpeed{};
    int lockMaxPerEnemy{};
    int lockMax{};
    // Guns of enemies fire only while their node is inside this part of the
    // screen: left, right, top and bottom bounds in percent.
    Ogre::Vector4 weaponSafeZone{2.0f, 98.0f, 2.0f, 98.0f};
    // Steering shots aim along their own direction rather than the owner's.
    bool isDefaultBulletGoalBulletDirection = false;
    // Multiplies the shot count of every enemy gun; at 0 they never fire.
    float enemyShotFactor = 1.0f;
    int lockButton{};
    float lockScale{};
    float radarRotationSpeed{};
    float lockRotationSpeed{};
    float pauseSoundVolume{};
    float textSoundVolume{};
    float splashScreen1Duration{};
    float splashScreen2Duration{};
    bool isStartMenuBGWidthAligned{};
    bool startMenuLogoIsText{};
    float startMenuLogoGfxSize{};
    int startMenuLogoFontSize{};
    int startMenuAlign{};
    int startMenuFontSize{};
    float startMenuHooverScale{};
    float startMenuFontInterval{};
    Ogre::Vector2 startMenuTransitionOffset{};
    float startMenutransitionScreenTime{};
    float startMenuTransitionwaitTime{};
    float globalHUDFontSizeFactor{};
    float scoreSpeed{};
    bool isShowExitToDesktop{};
    float barAnimationSpeed{};
    int enemyLifeBarBossLayerNumber{};
    int gameOverDisplay{};
    int gameWinDisplay{};
    int gameCompletedDisplay{};
    bool gameOverBlackBG{};
    bool gameWinBlackBG{};
    bool gameCompletedBlackBG{};
    float gameOverGfxScale{};
    float gameWinGfxScale{};
    float gameCompletedGfxScale{};
    int gameHUDFontSize{};
    float gameEndFontSize{};
    bool isShowEnemyScore{};
    float scoreTextureScale{};
    float multiplierTextureScale{};
    int minHpShowLifeBar{};
    float enemyHitByPlayerInvincibilityDuration{};
    bool isCrossHairOver{};
    int playerPowerUpBehavior{};
    int maxPlayerPowerUps{};
    float maxGauge{};
    float minStartgauge{};
    float hitAddGauge{};
    float gaugeReadySoundVolume{};
    float gaugeStartSoundVolume{};
    double gaugeWeaponMultiplier{};
    bool isGaugeCancels{};
    float gaugeCancelDuration{};
    bool isChainTimerGfx{};
    bool isChainGaugeColoured{};
    float timeBetweenChains{};
    double maxMultiplier{};
    double chainAddedPoints{};
    float decreasingMultSpeed{};
    float scoreGameSpeed{};
    double smartBombDuration{};
    float smartBombCoolDownDuration{};
    double smartBombInvincibleTime{};
    double gaugeInvincibleTime{};
    float waveLifeOutsideScreenTime{};
    float itemLifeOutsideScreenTime{};
    float bulletOutsideScreenTime{};
    float grazingRadius{};
    float grazingLaserCounterTime{};
    float explosionSoundPanning{};
    bool isParticlesZbuffer{};
    bool isSpriteZbuffer = false;
    float itemDropFactor{};
    // GAME: the colour of an explosion's light, the 3D collision test, play
    // going on behind the level-complete message, and which impacts show
    // their effects.
    Ogre::Vector4 explosionLightColor{2.0f, 0.5f, 0.0f, 0.0f};
    bool isCollisions3D = false;
    bool isGameStillPlayingWhenWin = false;
    bool isAnyImpactSpawnParticles = false;
    bool isBulletSpawnSfxOnInvinciblePlayer = false;
    bool isBulletSpawnSfxOnInvincibleEnemy = true;
    // GAMEPLAY: continues and checkpoints, the bomb button, extra lives by
    // score (extendType chooses the rule), grazing and the force field.
    bool isContinueResetScore = true;
    bool isContinueRestartsLevel = false;
    bool isContinueRestartLevel = false;
    bool isRestartLevelDontChangePlayer = false;
    bool checkPointKillEnemies = false;
    bool checkPointResetLevel = false;
    bool checkPointOnlyWithContinue = false;
    int smartBombButton = 1;
    int extendType = 0;
    int extendScore1 = 100000;
    int extendScore2 = 500000;
    int extendEvery = 100000;
    bool isGrazing = false;
    bool isGrazingBullets = true;
    bool isGrazingEnemies = true;
    bool isDistanceGrazing = false;
    Ogre::ColourValue grazedColor{1.0f, 0.0f, 0.0f, 0.0f};
    bool isForceFieldUsesBoundOBB = true;
    bool isUseForceFieldCollision = true;
    // The power-up level starts every level at 0.
    bool resetPlayerWeaponSetAtLevelStart = false;
    // SCORING
    int smartBombScore = 0;
    bool isShowMultiplier = false;
    // GAUGE and CHAINGAUGE: the bars' place and size in screen shares, their
    // looks, and how the gauge is switched and started.
    bool isGaugeSwitch = false;
    Ogre::Vector2 gaugePosition{0.0f, 0.05f};
    Ogre::Vector2 gaugeDimensions{0.25f, 0.02f};
    bool isGaugeColoured = true;
    bool isGaugeGfx = true;
    bool isButtonStartGaugeUntilTheEnd = false;
    bool isGaugeWeaponStartEvenIfNotFull = false;
    Ogre::Vector2 chainGaugePosition{0.0f, 0.05f};
    Ogre::Vector2 chainGaugeDimensions{0.25f, 0.02f};
    // SOUNDS: the volumes (percent) the sound screen restores.
    int defaultMasterVolume = 80;
    int defaultMusicVolume = 60;
    int defaultSfxVolume = 60;
    bool isPauseMusicDuringContinue = false;
    // STARTMENU: colours, places (screen shares), transitions and entries.
    Ogre::ColourValue startMenuLogoFontColour{1.0f, 0.67f, 0.16f, 1.0f};
    Ogre::ColourValue startMenuFontColour{1.0f, 1.0f, 1.0f, 1.0f};
    Ogre::ColourValue startMenuFontHooverColour{1.0f, 0.8f, 0.5f, 1.0f};
    Ogre::Vector2 startMenuBGScrollSpeed{0.0f, 0.02f};
    Ogre::Vector2 startMenuLogoPosition{0.0f, 0.2f};
    Ogre::Vector2 startMenuCenter{0.0f, -0.65f};
    bool isTransitionAlpha = true;
    bool isBlinkingHoover = true;
    int startMenuBlock = 0;
    bool isLogoAnimatedTransition = true;
    float startMenutransitionFocusTime = 0.2f;
    int startMenuoffsetX = 20;
    bool isStartMenuPixelSharp = false;
    int menuButtonsNumber = 4;
    // DEFAULTCONTROLS: the bindings the control screens restore.
    struct controlBindings {
        int deadzone = 0;
        int leftStickNumber = 0;
        int rightStickNumber = 0;
        std::array<int, 8> shootButtonNumber{};
        int start = 0;
        int select = 0;
        int upKey = 0;
        int downKey = 0;
        int leftKey = 0;
        int rightKey = 0;
        int startButton = 0;
        int selectButton = 0;
        std::array<int, 8> shootButton{};
    };
    controlBindings defaultControls;
    // HIGHSCOREMENUS: isHSNewScoreScale is the scale of a new score.
    bool isHSTransitionAlpha = true;
    float isHSNewScoreScale = 3.0f;
    Ogre::Vector2 HSTransitionOffset{0.0f, 0.0f};
    float HSTransitionwaitTime = 0.1f;
    Ogre::ColourValue HSFontColour{1.0f, 1.0f, 1.0f, 1.0f};
    Ogre::ColourValue HSFontNewScoreColour{1.0f, 0.5f, 0.0f, 1.0f};
    Ogre::ColourValue scoreFontColour{1.0f, 1.0f, 1.0f, 1.0f};
    bool isHSshowLevels = false;
    // GAMEMENUS: enemy and boss life bars (places and sizes in screen
    // shares), the end-of-game and pause messages.
    Ogre::Vector2 lifeBarPosition{0.5f, 0.1f};
    Ogre::Vector2 lifeBarDimensions{0.25f, 0.02f};
    bool isEnemyBars = true;
    bool isEnemyLifebarColoured = true;
    Ogre::Vector4 EnemyLifeBar_color{1.0f, 0.3f, 0.0f, 1.0f};
    Ogre::Vector4 EnemyBossLifeBar_color1{0.0f, 1.0f, 0.6f, 1.0f};
    Ogre::Vector4 EnemyBossLifeBar_color2{1.0f, 0.8f, 0.0f, 1.0f};
    Ogre::Vector4 EnemyBossLifeBar_color3{0.9f, 0.4f, 0.0f, 1.0f};
    Ogre::Vector4 EnemyBossLifeBar_color4{0.7f, 0.0f, 0.0f, 1.0f};
    Ogre::Vector2 createEnemyBossLifeBar_Dimensions{1.0f, 0.08f};
    Ogre::Vector2 createEnemyBossLifeBar_Pos{0.5f, 0.1f};
    Ogre::ColourValue gameMenuFontColour{1.0f, 1.0f, 1.0f, 1.0f};
    Ogre::Vector2 gamePauseGfxScale{0.5f, 0.5f};
    Ogre::Vector2 gamePausePosition{0.0f, 0.0f};
    Ogre::Vector2 gameOverPosition{0.0f, 0.0f};
    Ogre::Vector2 gameWinPosition{0.0f, 0.0f};
    Ogre::Vector2 gameCompletedPosition{0.0f, 0.0f};
    // GAMEHUD: the fixed HUD texts (shown, place, justification 0 left,
    // 1 centre, 2 right), the menus' colours and the HUD's backdrop.
    Ogre::ColourValue gameHUDFontColour{1.0f, 1.0f, 1.0f, 1.0f};
    bool isShowRestartLevel = false;
    Ogre::ColourValue pauseMenuFontColour{1.0f, 1.0f, 1.0f, 1.0f};
    Ogre::ColourValue pauseMenuFontColourHoover{1.0f, 1.0f, 1.0f, 1.0f};
    Ogre::ColourValue continueFontColour{1.0f, 1.0f, 1.0f, 1.0f};
    Ogre::ColourValue continueFontColourHoover{1.0f, 1.0f, 1.0f, 1.0f};
    bool HUD_livesShow = false;
    bool HUD_scoreShow = true;
    int scoreFormating = 3;
    bool HUD_HpShow = false;
    bool HUD_bombsShow = false;
    bool HUD_multiplierShow = false;
    bool HUD_chainsShow = false;
    bool HUD_chainsTimerShow = false;
    Ogre::Vector2 HUD_livesPos{-1.0f, 1.0f};
    Ogre::Vector2 HUD_scorePos{0.0f, 1.0f};
    Ogre::Vector2 HUD_HpPos{-1.0f, 1.0f};
    Ogre::Vector2 HUD_bombsPos{1.0f, 1.0f};
    Ogre::Vector2 HUD_multiplierPos{0.4f, 1.0f};
    Ogre::Vector2 HUD_chainsPos{0.45f, 1.0f};
    Ogre::Vector2 HUD_chainsTimerPos{0.65f, 1.0f};
    int HUD_livesJustif = 1;
    int HUD_scoreJustif = 0;
    int HUD_HpJustif = 1;
    int HUD_bombsJustif = 2;
    int HUD_multiplierJustif = 1;
    int HUD_chainsJustif = 1;
    int HUD_chainsTimerJustif = 1;
    Ogre::Vector2 gameHUDBG_position{-1.0f, 1.0f};
    Ogre::Vector2 gameHUDBG_dimension{1.0f, 0.1f};
    bool HUDPixelSharp = false;

    // Medal options of the game file and the medal level reached in the chain
    bool isMedalsChaining{};
    bool isMedalsTotalChaining{};
    bool isChainingMedalScoreAsMult{};
    bool isChainingMedalIncrementMedailType{};
    bool isChainingMedalIncrementMedailScore{};
    int medalType = 0;
    bool isLoosingMedailBreakMultiplier{};
    int maxMedailValue{};
    // A lost life clears the two chain score counters.
    bool isDeathResetMedals = true;
    // Medal points gathered in the chain, and the medal chain value.
    std::int64_t medalTotal = 0;
    std::int64_t medalChainValue = 0;

    // Play flow
    int gameMode{};
    bool isLevelChanging = false;
    bool isGameCompleted = false;
    // Set when the start menu starts a game.
    bool isNewGame = false;
    bool noHighScoreSave = false;
    std::string nextLevelName;
    // How the level that ends goes on, set by the end-of-level trigger: the
    // level-complete message, the score screen and the high-score screen are
    // shown while set; the last level ends the game. No message is asked for
    // before a level's end has asked: not even a game over shows one.
    bool isEndOfLevelShowMessage = false;
    bool isEndOfLevelShowScoreScreen = true;
    bool isEndOfLevelShowHighScoreScreen = true;
    bool isLastLevel = false;
    float modeTimer = 0.0f;
    bool isPaused = false;
    // Cleared with the paused flag when play of a level (re)starts.
    bool isPlayStartPending = false;

    // Score, lives, continues and bombs: the starting values come from the
    // game file, the current ones are set by resetGame and counted in play
    std::int64_t totalScore = 0;
    std::int64_t levelScore = 0;
    std::int64_t displayedScore = 0;
    // The total score when play last ended (game over, level or game end).
    std::int64_t endScore = 0;
    int lives = 0;
    int currentLives = 0;
    // The total score that gives the next extra life; 0: no more are given.
    std::int64_t nextExtendScore = 0;
    // A new game's first threshold by the extend rule (extendType 0: every
    // extendEvery points; otherwise extendScore1, then extendScore2).
    std::int64_t firstExtendScore() const;
    int life = 0;
    int currentLife = 0;
    int continues = 0;
    int currentContinues = 0;
    int continuesUsed = 0;
    int deaths = 0;
    int smartBombStartNumber = 0;
    int currentBombs = 0;
    int maxSmartBombs{};
    // Bombs are stocked for the bomb button; without it a bomb item goes off
    // when picked up.
    bool isSmartbombUseButton{};
    // The bomb settings of the game file: power, whether it cancels the
    // enemies' shots and the item each cancelled shot drops, and how long
    // enemies hold fire after it.
    int smartPower{};
    bool isSmartCancelling{};
    std::string smartItemName;
    float smartBombNoShootTime{};
    // The running bomb: cool-down left, whether it cancels shots, its damage
    // and whether it shows its effect.
    float smartBombCoolDown = 0.0f;
    bool isBombCancelling = false;
    int bombDamage = 0;
    bool isBombEffect = false;
    bool isSmartBombLostWhenDead = false;
    bool isSmartBombsBreakMultiplier = false;
    // While set, the bomb button sets no bomb off.
    bool isSmartBombForbidden = false;

    // Life cap, the player's weapon set (set only through the player) and the
    // weapon set items and triggers ask for, which a lock keeps from applying
    int maxEnergy{};
    int weaponLevel = 0;
    float baseWeaponLevel = 0.0f;
    bool isWeaponChangeLocked = false;
    // Asks the level's end to give the player the kept weapon set again.
    bool isWeaponResetRequested = false;
    // Waves of the level and those finished, kept by the play state
    int waveCount = 0;
    int finishedWaveCount = 0;
    // Picked-up items show their points in a pop-up.
    bool isShowItemScore{};

    // Power-ups and gauge
    float powerUpLevel = 0.0f;
    float gaugeValue = 0.0f;
    bool isGaugeActive = false;
    // The gauge's settings and run-time flags that the ship's gauge button reads:
    // enabled, ready to be released, the gauge weapon forced to fire, how fast
    // it drains (per second) and the shoot button that releases it.
    bool isGauge = false;
    bool isGaugeReady = false;
    // The ready sound plays once until the gauge runs empty again.
    bool isGaugeReadySoundPlayed = false;
    bool isGaugeWeaponOverride = false;
    float gaugeDrainSpeed = 20.0f;
    int gaugeButtonNumber = 2;
    // The weapon set the released gauge switches the ship to.
    int gaugeWeaponSetNumber = 0;
    bool dontAddToGaugeWhenStarted = false;
    bool isResetGaugeNextLevel = false;
    bool isResetGaugePlayerDeath = false;

    // Chain and multiplier
    bool isChaining = false;
    unsigned chainCount = 0;
    unsigned maxChains = 0;
    float chainTimer = 0.0f;
    double multiplier = 1.0;
    std::array<int, 2> chainScoreCounters{};
    bool isNextLevelBreakMultiplier = false;
    bool deathResetsMultiplier = false;

    // Kill scoring of the waves (isChainingKillsOnly is with the enemy settings).
    // SCORING: the kill points are the chain times every kill's score so far.
    bool isEnemiesTotalChaining = false;
    // Kill scores grow by this factor at every kill while the switch is on.
    bool isKillFactor = false;
    double killFactor = 1.0;
    // The scores of the kills so far, grown by the kill factor.
    std::int64_t killScore = 0;
    // GAUGE: gauge gained per kill (its integer part).
    double killAddGauge = 0.0;
    // The level's last-kill value at the latest kill.
    float lastKillValue = 0.0f;
    // Enemies killed for score, and kills in a row by one wave.
    int killedEnemyTotal = 0;
    int consecutiveKills = 0;
    // A per-level count that every level reset starts again at 20.
    static constexpr int levelCounterStart = 20;
    int levelCounter = levelCounterStart;
    // Written by the shot and contact steps of play: the distance of the
    // nearest enemy shot and of the nearest enemy (both start each step
    // far away and nothing brings them nearer yet), and the grazing state.
    float nearestEnemyShotDistance = 0.0f;
    float nearestEnemyDistance = 0.0f;
    std::uint8_t isGrazed = 0;
    int grazingCount = 0;

    // Timers counted down each frame (seconds, never below 0), and the display
    // countdown the play state arms, counted down without a floor until done
    float invincibilityTime = 0.0f;
    float smartBombTime = 0.0f;
    float bombFlashTime = 0.0f;
    float enemyFirePause = 0.0f; // enemy guns hold fire while it runs
    double displayCountdown = 0.0;
    bool isDisplayCountdownDone = false;

    // Screen fade ("FadeInOut") and background fade ("BlackBG"); both share
    // one remaining/duration pair
    int fadeState = 0;
    double fadeRemaining = 0.0;
    double fadeDuration = 0.0;
    int backgroundFadeState = 0;
    Ogre::Overlay* backgroundOverlay = nullptr;
    Ogre::TextureUnitState* backgroundTextureUnit = nullptr;
    bool isBackgroundDark = false;
    // Missing fade overlays and materials, each logged once.
    std::set<std::string> reportedFadeResources;
    // Lines logged once (logLineOnce): effects data, names that resolve to
    // nothing, and other faults met again and again.
    std::set<std::string> reportedLines;

    // Input state
    OIS::Keyboard* keyboard = nullptr;
    OIS::Mouse* mouse = nullptr;
    SDL_GameController* gameController = nullptr;
    bool mouseLeft = false;
    bool mouseRight = false;
    bool mouseMiddle = false;
    int mouseX = 0;
    int mouseY = 0;
    int mouseRelX = 0;
    int mouseRelY = 0;
    bool isFocusRegained = false;
    // Set while the window is minimised: its return of focus resumes nothing.
    bool isWindowInactive = false;

    // Virtual controls, rebuilt by pollGamepads each frame: what menus, screens,
    // triggers and the player read instead of the devices.
    float moveUp = 0.0f;
    float moveDown = 0.0f;
    float moveLeft = 0.0f;
    float moveRight = 0.0f;
    float aimUp = 0.0f;
    float aimDown = 0.0f;
    float aimLeft = 0.0f;
    float aimRight = 0.0f;
    bool stickMoved = false;
    // Not 0: a half-pushed stick moves the ship at full speed too.
    float stickNormalisation = 0.0f;
    bool aimActive = false;
    std::array<bool, 8> shootHeld{};
    // Input button 8, which ships of rotation type 2 fire with.
    bool button8Held = false;
    // Held shoot buttons, first pressed first, kept by the ship's shooting
    // step: a gun fires while its button is the last one pressed, or while it
    // is held at all when isCanPressSeveralButtonsForWeapons is set.
    std::vector<std::int32_t> heldShootButtons;
    bool isCanPressSeveralButtonsForWeapons = false;
    // The ship blinks in this colour while invincible.
    Ogre::ColourValue playerInvincibleColor{0.0f, 0.2f, 0.6f, 0.0f};
    // The ship may stay off screen without dying.
    bool isPlayerOffScreenAllowed = false;
    // The HUD (and the crosshair with it) is hidden.
    bool isHUDHidden = false;
    std::array<bool, 8> shootPressed{};
    std::array<bool, 8> shootReleased{};
    bool anyShootHeld = false;
    bool anyShootPressed = false;
    bool startHeld = false;
    bool selectHeld = false;
    bool startPressed = false;
    bool selectPressed = false;
    bool startReleased = false;
    bool selectReleased = false;
    bool confirmPressed = false;
    bool backPressed = false;
    // A key other than Escape is down; set and cleared by the menus' key handlers.
    bool keyHeld = false;
    bool upHeld = false;
    bool downHeld = false;
    bool leftHeld = false;
    bool rightHeld = false;
    bool upPressed = false;
    bool downPressed = false;
    bool leftPressed = false;
    bool rightPressed = false;
    bool upReleased = false;
    bool downReleased = false;
    bool leftReleased = false;
    bool rightReleased = false;
    bool leftTriggerHeld = false;
    bool rightTriggerHeld = false;
    bool leftTriggerReleased = false;
    bool rightTriggerReleased = false;
    // Last frame's held values, kept only to find this frame's edges.
    struct HeldControls {
        std::array<bool, 8> shoot{};
        bool start = false;
        bool select = false;
        bool confirm = false;
        bool back = false;
        bool up = false;
        bool down = false;
        bool left = false;
        bool right = false;
        bool leftTrigger = false;
        bool rightTrigger = false;
    };
    HeldControls lastHeld;

    // Frame time
    double frameTime = 0.0;
    float playClock = 0.0f;
    // The camera rig's movement of this frame (previous minus new position).
    Ogre::Vector3 cameraMovement = Ogre::Vector3::ZERO;

    // Remembered answers of resourceExists, for the whole run.
    std::map<std::string, bool> resourceAvailability;
    // The eight outline points computed from a sprite texture's alpha, by
    // texture name; emptied when the game data is loaded.
    std::map<std::string, std::vector<Ogre::Vector2>> autoObbCache;

    // The explosions library ("gamebox.explosions"): name to the explosion's
    // head and its elements in order, all owned.
    std::map<std::string, std::pair<ExplosionRef*, std::vector<ExplosionElement*>>> explosionLibrary;
    // The sfx library ("gamebox.sfx" and the particle templates): effect name
    // to owned entry.
    std::map<std::string, sfxLibraryEntry*> sfxLibrary;
    // Per particle template, as the first system made from it had them:
    // default width and height, first emitter position x, y, z, its particle
    // velocity, minimum and maximum velocity.
    std::map<std::string, std::array<float, 8>> particleTemplateValues;
    // The texture of every sprite effect made, marked; emptied by changeGame.
    std::map<std::string, bool> spriteEffectTextures;
    // Whether the smart bomb's effect is centred on the view, and the sound of
    // a lock-on (the other, of a full lock, is lockMaxSoundName). The shared
    // particles of the effects manager take their templates from the game
    // file's settings of the same purpose: sparks from the second collision
    // effect (playerInvincibleCollisionSfx), pick-ups from upSfx and the ready
    // gauge from gaugeStartParticleFX.
    bool isSmartBombCentered = false;
    std::string lockSoundName;
    // Placed effects also hide behind the level's physics bodies.
    bool isPhysicsOcclusion = false;

    // The pictures and sprites libraries ("gamebox.pictures", "gamebox.sprites"):
    // picture name to owned definition.
    std::map<std::string, pictureDefinition*> pictureLibrary;
    std::map<std::string, pictureDefinition*> spriteLibrary;
    // The players library ("gamebox.players"): name to owned player. Its
    // reader arrives with the combat actors; until then it stays empty.
    std::map<std::string, Player*> playerLibrary;
    // The waves library ("gamebox.waves"): name to owned wave definition.
    std::map<std::string, Wave*> waveLibrary;
    // The weapon library ("gamebox.weapons"): gun name to owned library gun.
    std::map<std::string, Weapon*> weaponLibrary;
    // The items library ("gamebox.items"): name to owned definition.
    std::map<std::string, Item*> itemLibrary;
    // The waypoint-path library ("gamebox.waypoints"): path name to an owned
    // Wave holding the path's waypoints.
    std::map<std::string, Wave*> waypointLibrary;
    // The bullet library ("gamebox.bullets"): shot look by name, owned.
    std::map<std::string, bulletDefinition*> bulletLibrary;
    // The backgrounds library ("gamebox.background"): name to owned template.
    std::map<std::string, background*> backgroundLibrary;
    // Asks the next level build to remake every background mesh; the
    // runtime itself never sets it.
    bool isRebuildAll = false;

    // The pools. Shot records live for a level, with the outline of the same
    // index; items for a play, free while their status is 3.
    static constexpr std::size_t enemyBulletCount = 8000;
    static constexpr std::size_t playerBulletCount = 3000;
    static constexpr std::size_t itemPoolCount = 8000;
    std::array<bullet*, enemyBulletCount> enemyBullets{};
    std::array<Obb*, enemyBulletCount> enemyBulletObbs{};
    std::array<bullet*, playerBulletCount> playerBullets{};
    std::array<Obb*, playerBulletCount> playerBulletObbs{};
    // The outlines' spots, index for index, while the pools are made.
    std::vector<ScreenSpot> enemyBulletSpots;
    std::vector<ScreenSpot> playerBulletSpots;
    // The tints of the sprite shots' quads, white when play starts.
    Ogre::Vector3 enemyBulletColour = Ogre::Vector3::UNIT_SCALE;
    Ogre::Vector3 playerBulletColour = Ogre::Vector3::UNIT_SCALE;
    // Shots cast their path into the level's physics world and die on what
    // they meet there; set when the level holds enabled solid objects.
    bool isBulletPhysics = false;
    std::array<Item*, itemPoolCount> itemPool{};

    // The high-score table of the game being played.
    highScoreTable highScores;

    // Enemy settings of the game file and the enemies' share of the play
    // state (added for the enemies' hits, life bars and lifecycle).
    // The hit flash colour; its alpha is replaced by 1 when shown.
    Ogre::Vector4 enemyHitColor{0.5f, 0.1f, 0.0f, 0.0f};
    // Only kills step the chain; with isHitKeepChain, hits worth
    // isHitChainHP damage (a number) restart the chain timer.
    bool isChainingKillsOnly = true;
    bool isHitKeepChain = false;
    float isHitChainHP = 1.0f;
    // Damage gathered toward isHitChainHP.
    float chainDamage = 0.0f;
    bool isOnlyBossLifebar = true;
    // Enemies count as seen from the start, so they may time out unseen.
    bool isTestOffScreenEnemies = false;
    // Enemies too long off screen wait for the screen instead of ending.
    bool isPauseWhenUnseen = false;
    // Enemies are unhurt until they touch the rectangle (left, right, top,
    // bottom as screen shares); (0, 1, 0, 1) is the whole screen.
    bool isInvincibilityLimits = false;
    Ogre::Vector4 invincibilityLimits{0.0f, 1.0f, 0.0f, 1.0f};
    // Hidden enemies show; enemies fire outside game modes 1 and 2.
    bool isRevealHiddenEnemies = false;
    bool isEnemyFireOutsidePlay = false;

    // --- The game's files and the change of game seen by play ---
    // The game files ("*.game") of the game's resources, by name; empty
    // without them. Play refreshes the list each time it starts.
    void listGameFiles();
    std::vector<std::string> gameFiles;
    // Set when the game was changed; play clears it when it starts and ends.
    bool isGameChanged = false;

    // Objects and handles
    Ogre::SceneManager* sceneManager = nullptr;
    Ogre::RenderWindow* renderWindow = nullptr;
    SDL_Window* sdlWindow = nullptr;
    GameHUD* hud = nullptr;
    Player* player = nullptr;
    Level* level = nullptr;
    Ogre::Overlay* fadeOverlay = nullptr;

private:
    // Set in the constructor's body, once every member is built: a base class
    // that registered `this` would hand out a record still under construction.
    static Game* instance;

    void resetSettingDefaults();
    void resetAssetNameDefaults();
    void resetGameOptionDefaults();
};
