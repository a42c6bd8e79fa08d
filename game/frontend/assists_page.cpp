// assists_page.cpp: the game's speed and "Hazards forgive", each with a line saying what it does.
#include "game/frontend/assists_page.h"

#include "game/gameplay/assists.h"

namespace
{
constexpr float LABEL_X = -465.0f;
constexpr float VALUE_X = 250.0f;
constexpr float SPEED_Y = 165.0f;
constexpr float FORGIVE_Y = 45.0f;
constexpr float EXPLAIN_DROP = 45.0f; // the line under an option
constexpr float NOTE_Y = -90.0f;
constexpr float LABEL_HEIGHT = 30.0f;
constexpr float EXPLAIN_HEIGHT = 20.0f;
constexpr Vec2 STEP_SIZE = {100.0f, 50.0f};
constexpr float STEP_OFFSET = 120.0f; // of - and + from the value
constexpr Vec2 TOGGLE_SIZE = {200.0f, 50.0f};
constexpr uint32_t EXPLAIN_TINT = 0xFFB8B0CCu;
constexpr uint32_t NOTE_TINT = 0xFFE8C87Au;

const char* OnOff(bool on) { return on ? "On" : "Off"; }
} // namespace

AssistsPage::~AssistsPage()
{
    StopPageButtons(&slower_, 1);
    StopPageButtons(&faster_, 1);
    StopPageButtons(&forgive_, 1);
}

void AssistsPage::Build(const PagePictures& pictures)
{
    auto text = [&](const char* words, float x, float y, float height, uint32_t tint,
                    TextAlign align = TEXT_LEFT) {
        TextLine* line = MakePageText("assists_text", pictures, words, x, y, height, align);
        line->tintEnabled = tint != TEXT_WHITE;
        line->tint = tint;
        texts_.push_back(line);
        return line;
    };
    text("Game speed", LABEL_X, SPEED_Y, LABEL_HEIGHT, TEXT_WHITE);
    text("The whole game runs slower, evenly: more time for every jump", LABEL_X,
         SPEED_Y - EXPLAIN_DROP, EXPLAIN_HEIGHT, EXPLAIN_TINT);
    speed_ = text("", VALUE_X, SPEED_Y, LABEL_HEIGHT, TEXT_WHITE, TEXT_CENTRE);
    slower_ = MakePictureButton("assists_slower", pictures.minus, VALUE_X - STEP_OFFSET, SPEED_Y,
                                STEP_SIZE.x, STEP_SIZE.y);
    faster_ = MakePictureButton("assists_faster", pictures.plus, VALUE_X + STEP_OFFSET, SPEED_Y,
                                STEP_SIZE.x, STEP_SIZE.y);
    text("Hazards forgive", LABEL_X, FORGIVE_Y, LABEL_HEIGHT, TEXT_WHITE);
    text("Spikes, lava and enemies send you back to the last ground you stood on", LABEL_X,
         FORGIVE_Y - EXPLAIN_DROP, EXPLAIN_HEIGHT, EXPLAIN_TINT);
    forgive_ = MakeWordButton("assists_forgive", pictures, "", VALUE_X, FORGIVE_Y, TOGGLE_SIZE.x,
                              TOGGLE_SIZE.y);
    text("While an assist is on, a finished level keeps no best time and no ghost", 0.0f, NOTE_Y,
         EXPLAIN_HEIGHT, NOTE_TINT, TEXT_CENTRE);
}

void AssistsPage::Show(bool shown)
{
    for (TextLine* line : texts_) line->visible = shown;
    for (PageButton* button : {&slower_, &faster_, &forgive_}) button->object->visible = shown;
}

void AssistsPage::Buttons(std::vector<GameObject*>* buttons)
{
    for (PageButton* button : {&slower_, &faster_, &forgive_}) buttons->push_back(button->object);
}

void AssistsPage::Update(const GameObject* pointed)
{
    int& speed = PlayAssists.speedPercent;
    if (slower_.Clicked(pointed) && speed > SLOWEST_SPEED) speed -= SPEED_STEP;
    if (faster_.Clicked(pointed) && speed < FULL_SPEED) speed += SPEED_STEP;
    if (forgive_.Clicked(pointed)) PlayAssists.hazardsForgive = !PlayAssists.hazardsForgive;
    speed_->text = std::to_string(speed) + "%";
    static_cast<LabelledButton*>(forgive_.object)->text = OnOff(PlayAssists.hazardsForgive);
}
