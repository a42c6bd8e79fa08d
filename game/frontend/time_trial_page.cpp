// time_trial_page.cpp: the timer's three ways and the ghost, each with a line saying what it
// shows.
#include "game/frontend/time_trial_page.h"

#include "game/levels/ghost_run.h"
#include "game/levels/level_timer.h"

namespace
{
constexpr float LABEL_X = -465.0f;
constexpr float VALUE_X = 250.0f;
constexpr float TIMER_Y = 200.0f;
constexpr float GHOST_Y = 60.0f;
constexpr float EXPLAIN_DROP = 45.0f;
constexpr float NOTE_Y = -110.0f;
constexpr float LABEL_HEIGHT = 30.0f;
constexpr float EXPLAIN_HEIGHT = 20.0f;
constexpr Vec2 CHOICE_SIZE = {260.0f, 50.0f};
constexpr uint32_t EXPLAIN_TINT = 0xFFB8B0CCu;
constexpr uint32_t NOTE_TINT = 0xFFE8C87Au;
constexpr const char* TIMER_WORDS[] = {"Off", "Level time", "Level and run"};
} // namespace

TimeTrialPage::~TimeTrialPage()
{
    StopPageButtons(&timer_, 1);
    StopPageButtons(&ghost_, 1);
}

void TimeTrialPage::Build(const PagePictures& pictures)
{
    auto text = [&](const char* words, float x, float y, float height, uint32_t tint,
                    TextAlign align = TEXT_LEFT) {
        TextLine* line = MakePageText("time_trial_text", pictures, words, x, y, height, align);
        line->tintEnabled = tint != TEXT_WHITE;
        line->tint = tint;
        texts_.push_back(line);
    };
    text("Timer", LABEL_X, TIMER_Y, LABEL_HEIGHT, TEXT_WHITE);
    text("The level's time in a corner; and the run's, from Level 1 by Play", LABEL_X,
         TIMER_Y - EXPLAIN_DROP, EXPLAIN_HEIGHT, EXPLAIN_TINT);
    timer_ = MakeWordButton("time_trial_timer", pictures, "", VALUE_X, TIMER_Y, CHOICE_SIZE.x,
                            CHOICE_SIZE.y);
    text("Ghost", LABEL_X, GHOST_Y, LABEL_HEIGHT, TEXT_WHITE);
    text("Your best run of the level, see-through; runs with assists set none", LABEL_X,
         GHOST_Y - EXPLAIN_DROP, EXPLAIN_HEIGHT, EXPLAIN_TINT);
    ghost_ = MakeWordButton("time_trial_ghost", pictures, "", VALUE_X, GHOST_Y, CHOICE_SIZE.x,
                            CHOICE_SIZE.y);
    text("At each exit, the difference from the best: green faster, red slower", 0.0f, NOTE_Y,
         EXPLAIN_HEIGHT, NOTE_TINT, TEXT_CENTRE);
}

void TimeTrialPage::Show(bool shown)
{
    for (TextLine* line : texts_) line->visible = shown;
    timer_.object->visible = shown;
    ghost_.object->visible = shown;
}

void TimeTrialPage::Buttons(std::vector<GameObject*>* buttons)
{
    buttons->push_back(timer_.object);
    buttons->push_back(ghost_.object);
}

void TimeTrialPage::Update(const GameObject* pointed)
{
    if (timer_.Clicked(pointed)) TimerShown = static_cast<TimerMode>((TimerShown + 1) % 3);
    static_cast<LabelledButton*>(timer_.object)->text = TIMER_WORDS[TimerShown];
    if (ghost_.Clicked(pointed)) GhostShown = !GhostShown;
    static_cast<LabelledButton*>(ghost_.object)->text = GhostShown ? "On" : "Off";
}
