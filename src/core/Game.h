// The program-wide game record: settings, play-flow mode, level list, input
// state, frame time and the handles every subsystem reaches through it.
// Members whose defaults are set by Game::resetDefaults are declared "{}" here;
// the constructor builds everything empty and then calls resetDefaults.
#pragma once

#include <OgreSingleton.h>
#include <OgreVector.h>

#include <SDL.h>

#include <array>
#include <cstdint>
#include <map>
#include <string>
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

class GameHUD;
class Level;
class Player;
struct soundDefinition;
struct pictureDefinition;

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

// One game mode of the game file, with the screen names of its difficulties.
struct gameModeDefinition {
    std::string screenName;
    int maxDifficulties = 0;
    std::vector<std::string> difficulties;
};

class Game : public Ogre::Singleton<Game> {
public:
    Game();
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    static Game* getSingletonPtr();
    static Game& getSingleton();

    void resetDefaults();
    void init();
    void loadSoundSettings();
    void saveConfig();
    void shutdown();
    void findLevelIndex();
    void resetGame();
    void resetLevel();
    void setGameState(int mode);

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
    std::string language;
    // Key-to-text tables of the current language: screen texts and tutorial texts.
    std::map<std::string, std::string> localizationTags;
    std::map<std::string, std::string> tutorialTags;

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

    // Game options of the game file
    bool isUseArrowsForDirections{};
    std::int64_t maximumScore{};
    bool isBulletsSeparateAnimation{};
    bool isBulletOnTopOfPlayer{};
    bool isForceWeaponFXonTopOfPlayer{};
    int levelTypePreference{};
    float spriteScale{};
    bool isExplosionSpawnLight{};
    float padCurvePower{};
    float lockingSpeed{};
    int lockMaxPerEnemy{};
    int lockMax{};
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
    float startMenuTransitionOffset{};
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

    // Medal options of the game file and the medal level reached in the chain
    bool isMedalsChaining{};
    bool isMedalsTotalChaining{};
    bool isChainingMedalScoreAsMult{};
    bool isChainingMedalIncrementMedailType{};
    bool isChainingMedalIncrementMedailScore{};
    int medalType = 0;

    // Play flow
    int gameMode{};
    bool isLevelChanging = false;
    bool isGameCompleted = false;
    bool noHighScoreSave = false;
    std::string nextLevelName;
    float modeTimer = 0.0f;
    bool isPaused = false;

    // Score, lives, continues and bombs: the starting values come from the
    // game file, the current ones are set by resetGame and counted in play
    std::int64_t totalScore = 0;
    std::int64_t levelScore = 0;
    std::int64_t displayedScore = 0;
    int lives = 0;
    int currentLives = 0;
    int life = 0;
    int currentLife = 0;
    int continues = 0;
    int currentContinues = 0;
    int deaths = 0;
    int smartBombStartNumber = 0;
    int currentBombs = 0;
    bool isSmartBombLostWhenDead = false;
    bool isSmartBombsBreakMultiplier = false;

    // Power-ups and gauge
    float powerUpLevel = 0.0f;
    float gaugeValue = 0.0f;
    bool isGaugeActive = false;
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

    // Timers counted down each frame (seconds, never below 0), and the display
    // countdown the play state arms, counted down without a floor until done
    float invincibilityTime = 0.0f;
    float smartBombTime = 0.0f;
    float bombFlashTime = 0.0f;
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

    // Frame time
    double frameTime = 0.0;
    float playClock = 0.0f;
    // The camera rig's movement of this frame (previous minus new position).
    Ogre::Vector3 cameraMovement = Ogre::Vector3::ZERO;

    // Remembered answers of resourceExists, for the whole run.
    std::map<std::string, bool> resourceAvailability;

    // The pictures and sprites libraries ("gamebox.pictures", "gamebox.sprites"):
    // picture name to owned definition.
    std::map<std::string, pictureDefinition*> pictureLibrary;
    std::map<std::string, pictureDefinition*> spriteLibrary;

    // Objects and handles
    Ogre::SceneManager* sceneManager = nullptr;
    Ogre::RenderWindow* renderWindow = nullptr;
    SDL_Window* sdlWindow = nullptr;
    GameHUD* hud = nullptr;
    Player* player = nullptr;
    Level* level = nullptr;
    Ogre::Overlay* fadeOverlay = nullptr;

private:
    void resetSettingDefaults();
    void resetAssetNameDefaults();
    void resetGameOptionDefaults();
};
