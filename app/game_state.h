#pragma once

namespace vortimbal {

class PlayableWorld;

enum GameState { Title = 1, Playing = 2, LevelCleared = 3, GameOver = 4 };

extern int gameState;
extern int level;
extern double simulationTime;
extern double lastRedisplayTime;
extern float windowWidth;
extern float windowHeight;
extern int inGameMode;
extern unsigned char lastKeyDown;
extern int titleSelection;
extern int firstFrame;

// The world the shell steps and reports on; null until one is built.
extern PlayableWorld* gameWorld;

}  // namespace vortimbal
