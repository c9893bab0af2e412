#include "skins/Backgrounds.h"

#include "skins/PixelFont.h"

#include <algorithm>

namespace skins
{

using namespace palette;

QRect placeOf(const SkinWindow& w, std::string_view name)
{
    const forms::Layout* r = findRow(w, name);
    if (!r) return {};
    return QRect(px(r->Left), px(r->Top), px(r->Width), px(r->Height));
}

QRect unionOf(const SkinWindow& w, std::initializer_list<std::string_view> names)
{
    QRect u;
    for (auto n : names)
        u = u.united(placeOf(w, n));
    return u;
}

void body(Canvas& c, const QRect& r)
{
    c.gradient(r, BodyTop, BodyBottom);
    // A faint horizontal brushing: every third row a shade darker.
    for (int y = r.top() + 1; y <= r.bottom(); y += 3)
        for (int x = r.left() + (y * 7) % 5; x <= r.right(); x += 9)
            c.hline(x, std::min(x + 3, r.right()), y,
                    Canvas::mix(Canvas::mix(BodyTop, BodyBottom, y - r.top(), std::max(1, r.height())),
                                Shadow, 1, 9));
}

void well(Canvas& c, const QRect& inner)
{
    if (inner.isEmpty()) return;
    c.fill(inner, Black);
    c.bevel(inner.adjusted(-1, -1, 1, 1), WellEdgeDark, WellEdgeLight, 1);
}

void tray(Canvas& c, const QRect& inner)
{
    if (inner.isEmpty()) return;
    c.fill(inner, Groove);
    c.bevel(inner.adjusted(-1, -1, 1, 1), WellEdgeDark, WellEdgeLight, 1);
}

void pinstripes(Canvas& c, const QRect& r)
{
    for (int y = r.top(); y <= r.bottom(); y += 2) {
        c.hline(r.left(), r.right(), y, Groove);
        c.hline(r.left(), r.right(), y + 1, Canvas::mix(TitleTop, Hilite, 1, 3));
    }
}

void titleBand(Canvas& c, const QRect& r)
{
    c.gradient(r, TitleTop, TitleBottom);
    c.hline(r.left(), r.right(), r.bottom() + 1, Shadow);
    c.hline(r.left(), r.right(), r.bottom() + 2, Canvas::mix(BodyTop, Hilite, 1, 2));
}

namespace
{

// The frame follows the window's edge where the bitmap runs past it.
void frameWindow(const SkinWindow& w, Canvas& c)
{
    const QRect all(0, 0, std::min(c.width(), px(w.form->Width)), std::min(c.height(), px(w.form->Height)));
    c.frame(all, Outline);
    c.bevel(all.adjusted(1, 1, -1, -1), Hilite, Shadow, 1);
}

// Ventilation slots: short engraved grooves.
void vents(Canvas& c, const QRect& r)
{
    for (int y = r.top(); y + 1 <= r.bottom(); y += 4) {
        c.hline(r.left(), r.right(), y, Shadow);
        c.hline(r.left() + 1, r.right() + 1, y + 1, Canvas::mix(BodyTop, Hilite, 1, 3));
    }
}

QRect grow(const QRect& r, int by)
{
    return r.adjusted(-by, -by, by, by);
}

void logo(Canvas& c, int x, int y)
{
    drawEngraved(c, FontSize::Large, "SONAVEL", x, y, Label, Outline);
    c.fill(QRect(x + textWidth(FontSize::Large, "SONAVEL") + 2, y + 5, 2, 2), Led);
}

void paintPlayer(const SkinWindow& w, Canvas& c)
{
    const QRect inside(2, 2, c.width() - 4, c.height() - 4);
    body(c, inside);

    // Title band with pinstripes up to the window buttons
    const QRect buttons = unionOf(w, {"ShadeMode", "Minimize", "imgClose"});
    const QRect band(2, 2, c.width() - 4, 14);
    titleBand(c, band);
    const char* caption = "SONAVEL MP3 PLAYER";
    drawEngraved(c, FontSize::Small, caption, 8, 6, LabelDim, Shadow);
    const int stripesFrom = 8 + textWidth(FontSize::Small, caption) + 6;
    pinstripes(c, QRect(stripesFrom, 6, buttons.left() - 6 - stripesFrom, 5));
    tray(c, grow(buttons, 1));
    tray(c, grow(placeOf(w, "Tools"), 1));
    const QRect browser = unionOf(w, {"Drive1", "Dir1", "File1"});
    vents(c, QRect(7, browser.top() + 4, browser.left() - 13, browser.height() - 8));

    // Browser, time display, title and stream figures
    well(c, unionOf(w, {"Drive1", "Dir1", "File1"}));
    const QRect time = placeOf(w, "Picture1");
    well(c, time);
    well(c, placeOf(w, "Text1"));
    // The stream figures stand under the title, aligned with it
    const QRect figures = unionOf(w, {"Label9", "Label11", "Label12", "Label13"});
    const QRect title = placeOf(w, "Text1");
    well(c, QRect(QPoint(title.left(), figures.top()), figures.bottomRight() + QPoint(1, 1)));

    // Logo beside the time display
    const int logoLeft = time.right() + 10;
    const int logoWidth = textWidth(FontSize::Large, "SONAVEL") + 4;
    const int logoRight = title.right() - 4;
    logo(c, logoLeft + (logoRight - logoLeft - logoWidth) / 2, time.top() + 9);
    const char* tag = "DIGITAL AUDIO";
    drawText(c, FontSize::Small, tag, logoLeft + (logoRight - logoLeft - textWidth(FontSize::Small, tag)) / 2,
             time.top() + 21, LabelDim);

    // Volume
    const QRect volume = unionOf(w, {"imgVolumeDown", "imgVolumeUp"});
    tray(c, grow(volume, 1));
    well(c, placeOf(w, "Label14"));
    drawEngraved(c, FontSize::Small, "VOLUME",
                 volume.left() + (volume.width() - textWidth(FontSize::Small, "VOLUME")) / 2,
                 volume.bottom() + 5, LabelDim, Shadow);

    // Transport row: one tray for the playback buttons, one for the rest
    tray(c, grow(unionOf(w, {"imgplay", "imgpause", "imgstop", "imgseek2", "imgSeek1", "imgLoad"}), 1));
    tray(c, grow(unionOf(w, {"shuffle1", "Playlist"}), 1));

    // Seek groove: as long as the track may grow, in a dark tone, so the black track shows how
    // far the song reaches
    const QRect track = placeOf(w, "Picture10");
    if (!track.isEmpty())
        tray(c, QRect(track.left(), track.top(), px(PlayerLayout::seekTrackMaxWidth), track.height()));
}

void paintPlaylist(const SkinWindow& w, Canvas& c)
{
    const QRect inside(2, 2, c.width() - 4, c.height() - 4);
    body(c, inside);
    const QRect list = placeOf(w, "List1");
    const QRect band(2, 2, c.width() - 4, list.top() - 5);
    titleBand(c, band);
    drawEngraved(c, FontSize::Small, "PLAYLIST", list.left(), 3, LabelDim, Shadow);
    const int from = list.left() + textWidth(FontSize::Small, "PLAYLIST") + 6;
    pinstripes(c, QRect(from, 4, list.right() - from, 5));
    well(c, list);
    tray(c, grow(unionOf(w, {"imgSave", "imgClear", "imgLoad", "add1", "Delete1"}), 2));
    tray(c, grow(unionOf(w, {"Minimize", "pclose"}), 2));
}

void paintShade(const SkinWindow& w, Canvas& c)
{
    (void)w;
    // Grey frame around three black panels, pixel for pixel
    const Rgb frame = 0x8a9099;
    const QRect all(0, 0, c.width(), c.height());
    c.fill(all, frame);
    c.hline(0, c.width() - 1, 0, 0xb4bac2);
    c.vline(0, 0, c.height() - 1, 0xb4bac2);
    c.hline(0, c.width() - 1, c.height() - 1, 0x4a4f57);
    c.vline(c.width() - 1, 0, c.height() - 1, 0x4a4f57);
    const QRect panels[] = {QRect(QPoint(1, 1), QPoint(48, 10)), QRect(QPoint(54, 2), QPoint(119, 9)),
                            QRect(QPoint(126, 2), QPoint(155, 9))};
    for (const QRect& p : panels) {
        c.fill(p, Black);
        // Recess: darker above and left of a panel, lighter below and right, where room allows
        if (p.top() > 1) {
            c.hline(p.left() - 1, p.right(), p.top() - 1, 0x5d636b);
            c.vline(p.left() - 1, p.top() - 1, p.bottom(), 0x5d636b);
            c.hline(p.left() - 1, p.right() + 1, p.bottom() + 1, 0xb4bac2);
            c.vline(p.right() + 1, p.top() - 1, p.bottom() + 1, 0xb4bac2);
        }
    }
    // Grip dots between the panels
    for (int x : {51, 122})
        for (int y = 3; y <= 8; y += 2)
            c.pixel(x, y, 0x4a4f57);
}

void paintTool(const SkinWindow& w, Canvas& c, std::string_view title, std::string_view subtitle)
{
    const QRect inside(2, 2, c.width() - 4, c.height() - 4);
    body(c, inside);
    const QRect band(2, 2, c.width() - 4, 16);
    titleBand(c, band);
    drawEngraved(c, FontSize::Large, title, 8, 6, Label, Outline);
    const int subX = 8 + textWidth(FontSize::Large, title) + 6;
    drawText(c, FontSize::Small, subtitle, subX, 7, Led);
    const QRect close = unionOf(w, {"Image1", "Image2", "imgClose"});
    const int from = subX + textWidth(FontSize::Small, subtitle) + 6;
    pinstripes(c, QRect(from, 7, close.left() - 6 - from, 5));
    tray(c, grow(close, 1));

    well(c, placeOf(w, "txtFilename"));
    well(c, placeOf(w, "txtOutname"));
    const QRect file = placeOf(w, "txtFilename");
    const QRect out = placeOf(w, "txtOutname");
    drawEngraved(c, FontSize::Small, "IN", file.left() - 5 - textWidth(FontSize::Small, "IN"),
                 file.top() + (file.height() - 5) / 2, LabelDim, Shadow);
    drawEngraved(c, FontSize::Small, "OUT", out.left() - 5 - textWidth(FontSize::Small, "OUT"),
                 out.top() + (out.height() - 5) / 2, LabelDim, Shadow);
    well(c, placeOf(w, "lblComplete").adjusted(-2, -1, 2, 1));
}

void paintDecoder(const SkinWindow& w, Canvas& c)
{
    paintTool(w, c, "DECODER", "MP3 > WAV");
    // The progress frame's groove, as long as the frame may grow, in a dark tone, so the black
    // frame shows the job's length and a full fill reads as full
    const QRect frame = placeOf(w, "Picture1");
    if (!frame.isEmpty())
        tray(c, QRect(frame.left(), frame.top(), px(frmDecoderLayout::progressMaxWidth), frame.height()));
    tray(c, grow(unionOf(w, {"picMp3", "picWav", "picDecode"}), 2));
}

void paintEncoder(const SkinWindow& w, Canvas& c)
{
    paintTool(w, c, "ENCODER", "WAV > MP3");
    for (auto [name, caption] : {std::pair{"Combo1", "BIT RATE"}, std::pair{"Combo2", "SAMPLE RATE"}}) {
        const QRect r = placeOf(w, name);
        if (r.isEmpty()) continue;
        well(c, r);
        drawEngraved(c, FontSize::Small, caption, r.left() - 6 - textWidth(FontSize::Small, caption),
                     r.top() + (r.height() - 5) / 2, LabelDim, Shadow);
    }
    const QRect percent = placeOf(w, "Label1");
    well(c, percent.adjusted(-2, -1, 2, 1));
    drawEngraved(c, FontSize::Small, "DONE", percent.left() - 8 - textWidth(FontSize::Small, "DONE"),
                 percent.top() + (percent.height() - 5) / 2, LabelDim, Shadow);
    tray(c, grow(unionOf(w, {"wav1", "mp31", "encode1"}), 2));
}

} // namespace

void paintBase(const SkinWindow& w, Canvas& c)
{
    if (w.prefix == "player")
        paintPlayer(w, c);
    else if (w.prefix == "playlist")
        paintPlaylist(w, c);
    else if (w.prefix == "shade")
        paintShade(w, c);
    else if (w.prefix == "decoder")
        paintDecoder(w, c);
    else if (w.prefix == "encoder")
        paintEncoder(w, c);
    else
        body(c, QRect(0, 0, c.width(), c.height()));
    if (w.prefix != "shade") frameWindow(w, c);
}

} // namespace skins
