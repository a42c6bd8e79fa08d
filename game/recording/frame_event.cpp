// frame_event.cpp: a frame's event, from the player's flags before and after it.
#include "game/recording/frame_event.h"

#include "engine/system/game_state_manager.h"
#include "game/gameplay/player.h"
#include "game/scene/count_of.h"

namespace
{
const Player* FindPlayerObject() { return dynamic_cast<Player*>(FindGameObject(PLAYER_OBJECT_NAME)); }

const char* const EventNames[] = {nullptr, "complete", "died", "restart", "quit"};
} // namespace

FrameWatch WatchPlayerBeforeFrame()
{
    const Player* player = FindPlayerObject();
    FrameWatch watch;
    watch.playerId = player ? player->id : 0;
    watch.complete = player && player->levelComplete;
    watch.died = PlayerDied;
    return watch;
}

ReplayEvent FrameEventAfter(const FrameWatch& before)
{
    const Player* player = FindPlayerObject();
    // A level rebuilt by the frame has a new player: its flag is news even if the old one's was set.
    const bool wasComplete = before.complete && player && player->id == before.playerId;
    if (player && player->levelComplete && !wasComplete) return REPLAY_COMPLETE;
    if (PlayerDied && !before.died) return REPLAY_DIED;
    if (NextStateId == GS_RESTART) return REPLAY_RESTART;
    if (NextStateId == GS_QUIT) return REPLAY_QUIT;
    return REPLAY_NO_EVENT;
}

const char* FrameEventName(ReplayEvent event)
{
    const auto index = static_cast<size_t>(event);
    return index < CountOf(EventNames) ? EventNames[index] : nullptr;
}
