#include "player/Globals.h"
#include "player/NumberText.h"
#include "player/Player.h"

#include <algorithm>

using numbers::text;
using numbers::value;

namespace
{

// Text2 holds the volume as a number once a song has started; before that its layout text.
bool holdsNumber(const std::string& s)
{
    const char* p = s.c_str();
    while (*p == ' ')
        ++p;
    if (*p == '-' || *p == '+') ++p;
    return *p >= '0' && *p <= '9';
}

std::int16_t channel(int v)
{
    return static_cast<std::int16_t>(std::clamp(v, 0, 100));
}

// A held volume button shows the pressed look painted under it and repeats on its timer.
void holdVolumeButton(forms::Image& button, forms::Timer& repeat, bool held)
{
    button.setVisible(!held);
    repeat.setEnabled(held);
}

} // namespace

void Player::StepVolume(VolumeDirection direction, int step, int threshold)
{
    // Before the first song start there is no volume figure to step from: nothing happens.
    if (!holdsNumber(Text2.Text())) return;
    const bool down = direction == VolumeDirection::Down;
    const double current = value(Text2.Text());

    // The last partial step goes straight to the limit; the remembered volume stays then.
    const bool toLimit = down ? current < threshold : current > threshold;
    if (toLimit) {
        const std::int16_t limit = down ? 0 : 100;
        Tonewheel1.SetVolume(limit, limit);
    } else {
        const int delta = down ? -step : step;
        Tonewheel1.SetVolume(channel(Tonewheel1.VolumeA() + delta), channel(Tonewheel1.VolumeB() + delta));
    }
    Text3.setText(text(Tonewheel1.VolumeA()));
    Text2.setText(text(Tonewheel1.VolumeB()));
    if (!toLimit) VolumeLevel = static_cast<std::int16_t>(numbers::nearest(value(Text2.Text())));
    Label14.setCaption(text(static_cast<long long>(numbers::nearest(value(Text2.Text())) / 5)));
}

void Player::imgVolumeDown_MouseDown(int, int, float, float)
{
    holdVolumeButton(imgVolumeDown, Timer6, true);
}

void Player::imgVolumeDown_MouseUp(int, int, float, float)
{
    holdVolumeButton(imgVolumeDown, Timer6, false);
}

void Player::imgVolumeUp_MouseDown(int, int, float, float)
{
    holdVolumeButton(imgVolumeUp, Timer7, true);
}

void Player::imgVolumeUp_MouseUp(int, int, float, float)
{
    holdVolumeButton(imgVolumeUp, Timer7, false);
}

void Player::Timer6_Timer()
{
    StepVolume(VolumeDirection::Down, 5, 5);
}

void Player::Timer7_Timer()
{
    StepVolume(VolumeDirection::Up, 5, 95);
}
