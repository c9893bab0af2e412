#include "compact/Shade.h"
#include "display/TimeDisplay.h"
#include "player/FrameProgress.h"
#include "player/Player.h"

// The strip is reached through its program-wide instance, which a first draw creates hidden,
// so its elapsed digits are current whenever it is shown. Longer times than two digits of
// minutes hold reach the captions already held at 99:59.

void Player::Label10_Change()
{
    DrawTimeDigits(Label10.Caption(), LastMinute, DigitOrder::TensFirst, {{time5, time6}});
}

void Player::Label7_Change()
{
    DrawTimeDigits(Label7.Caption(), LastSecond, DigitOrder::UnitsFirst, {{time7, time8}});
}

void Player::Label3_Change()
{
    Shade& shade = forms::the<Shade>();
    DrawTimeDigits(Label3.Caption(), LastMinute, DigitOrder::TensFirst,
                   {{Time1, time2}, {shade.Time1, shade.time2}});
}

void Player::Label4_Change()
{
    Shade& shade = forms::the<Shade>();
    DrawTimeDigits(Label4.Caption(), LastSecond, DigitOrder::UnitsFirst,
                   {{time3, time4}, {shade.time3, shade.time4}});
}
