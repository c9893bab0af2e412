#include "skins/Art.h"

#include "skins/Buttons.h"
#include "skins/Glyphs.h"

#include <map>
#include <string>

namespace skins
{

namespace
{

using Draw = std::function<void(Canvas&, Look)>;

Draw transport(const Pattern& p)
{
    return [&p](Canvas& c, Look l) { buttons::transport(c, p, l); };
}
Draw titleBar(const Pattern& p)
{
    return [&p](Canvas& c, Look l) { buttons::titleBar(c, p, l); };
}
Draw strip(const Pattern& p)
{
    return [&p](Canvas& c, Look l) { buttons::strip(c, p, l); };
}
Draw label(std::string label, FontSize size)
{
    return [label = std::move(label), size](Canvas& c, Look l) { buttons::text(c, label, size, l); };
}
Draw separator()
{
    return [](Canvas& c, Look) { buttons::separator(c); };
}

// A two-look button whose second look is a control of its own at the same place.
void addPair(std::map<std::string, Art, std::less<>>& m, const std::string& first, const std::string& second,
             const Draw& draw, Look secondLook)
{
    m[first] = Art{Under::PressedLook, Look::Normal, draw};
    m[second] = Art{Under::Nothing, secondLook, draw};
}

std::map<std::string, Art, std::less<>> buildArt()
{
    using namespace glyphs;
    std::map<std::string, Art, std::less<>> m;
    const auto button = [&m](const std::string& name, Draw draw) {
        m[name] = Art{Under::PressedLook, Look::Normal, std::move(draw)};
    };

    // Main window
    button("player/Minimize", titleBar(Minimise));
    button("player/imgClose", titleBar(CloseSmall));
    button("player/Tools", titleBar(Menu));
    button("player/ShadeMode", titleBar(Shade));
    button("player/imgLoad", transport(Eject));
    button("player/Playlist", transport(List));
    button("player/imgplay", transport(Play));
    m["player/imgpause"] = Art{Under::Black, Look::Normal, transport(Pause)};
    m["player/imgPauseP"] = Art{Under::Nothing, Look::Lit, transport(Pause)};
    button("player/imgstop", transport(Stop));
    button("player/imgseek2", transport(Previous));
    button("player/imgSeek1", transport(Next));
    addPair(m, "player/shuffle1", "player/Shuffle2", transport(Shuffle), Look::Lit);
    button("player/imgVolumeDown", transport(VolumeDown));
    button("player/imgVolumeUp", transport(VolumeUp));
    m["player/Picture9"] = Art{Under::Nothing, Look::Normal, separator()};
    m["player/colon"] = Art{Under::Nothing, Look::Normal, separator()};
    m["player/Picture11"] = Art{Under::Nothing, Look::Normal, [](Canvas& c, Look) { buttons::seekThumb(c); }};

    // Playlist window
    button("playlist/imgSave", label("SAVE", FontSize::Small));
    button("playlist/imgClear", label("CLEAR", FontSize::Small));
    button("playlist/imgLoad", label("LOAD", FontSize::Small));
    button("playlist/add1", label("ADD", FontSize::Small));
    button("playlist/Delete1", label("DELETE", FontSize::Small));
    button("playlist/Minimize", label("MIN", FontSize::Small));
    button("playlist/pclose", label("CLOSE", FontSize::Small));

    // Compact strip: the pressed look is the skin's own blue glyph
    m["shade/colon"] = Art{Under::Nothing, Look::Normal, separator()};
    button("shade/shadeClose", strip(StripCross));
    button("shade/shadeshade", strip(StripBox));
    button("shade/LoadS", strip(StripEject));
    button("shade/NextS", strip(StripNext));
    button("shade/PreviousS", strip(StripPrevious));
    button("shade/StopS", strip(StripStop));
    button("shade/PlayS", strip(StripPlay));
    addPair(m, "shade/PauseS", "shade/PauseS2", strip(StripPause), Look::Pressed);

    // Tool windows
    addPair(m, "decoder/picMp3", "decoder/picMp3b", label("LOAD MP3", FontSize::Large), Look::Pressed);
    addPair(m, "decoder/picWav", "decoder/picWav2", label("NAME WAV", FontSize::Large), Look::Pressed);
    addPair(m, "decoder/picDecode", "decoder/picDecode2", label("DECODE", FontSize::Large), Look::Lit);
    button("decoder/Image1", titleBar(Minimise));
    button("decoder/imgClose", titleBar(Close));
    addPair(m, "encoder/wav1", "encoder/wav2", label("LOAD WAV", FontSize::Large), Look::Pressed);
    addPair(m, "encoder/mp31", "encoder/mp32", label("NAME MP3", FontSize::Large), Look::Pressed);
    addPair(m, "encoder/encode1", "encoder/encode2", label("ENCODE", FontSize::Large), Look::Lit);
    button("encoder/Image2", titleBar(Minimise));
    button("encoder/Image1", titleBar(Close));
    return m;
}

} // namespace

const Art* artFor(std::string_view picture)
{
    static const auto art = buildArt();
    const auto it = art.find(picture);
    return it == art.end() ? nullptr : &it->second;
}

void drawBlankButton(Canvas& c, Look look)
{
    buttons::face(c, QRect(0, 0, c.width(), c.height()), look, 1);
}

} // namespace skins
